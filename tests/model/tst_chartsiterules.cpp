#include "model/ChartSitePresets.h"
#include "model/ChartSiteRules.h"
#include "model/ChartSitesDraft.h"
#include "model/Model.h"
#include "model/SiteTable.h"
#include "support/DataRows.h"

#include <QSet>
#include <QTest>

Q_DECLARE_METATYPE(const char* SiteInfo::*)

namespace {
// Each row of `draft` as "name display on|off", joined by "|": on when the options would
// accept an initial page on that site.
QString Rows(const ChartSitesDraft& draft) {
    QStringList rows;
    for (int row = 0; row < draft.rowCount(); ++row) {
        const ChartSiteSettings site = draft.site(row);
        const bool on = draft.startPageInUse(site.FileName);
        rows << QString("%1 %2 %3").arg(site.Name).arg(site.Display).arg(on ? "on" : "off");
    }
    return rows.join(u'|');
}
}  // namespace

// The rules of template chart sites that hold whatever window edits them.
class ChartSiteRulesTest : public QObject {
    Q_OBJECT
  private Q_SLOTS:
    // A file name from the site's name keeps the rules and avoids every name in use.
    // Rows: tests/data/filenames.txt, the names taken separated by "|".
    void freshFileNames_data() { AddDataRows(QStringLiteral("filenames.txt")); }
    void freshFileNames() {
        QFETCH(QString, siteName);
        QFETCH(QString, taken);
        QFETCH(QString, expected);
        std::vector<ChartSiteSettings> sites;
        for (const QString& fileName : taken.split(u'|', Qt::SkipEmptyParts)) {
            sites.push_back({{}, {}, -1, 0, true, fileName});
        }
        QCOMPARE(FreshFileName(siteName, sites), expected);
        sites.push_back({siteName, {}, -1, 0, true, expected});
        QCOMPARE(FileNameProblem(sites, sites.size() - 1), QString());
    }

    // Every preset makes a sound site opening in one new window; added twice, it gets a
    // second name and file name.
    void presetsMakeSoundSites() {
        std::vector<ChartSiteSettings> sites;
        for (int round = 1; round <= 2; ++round) {
            for (const ChartSitePreset& preset : ChartSitePresets()) {
                sites.push_back(SiteFromPreset(preset, sites));
                const ChartSiteSettings& site = sites.back();
                const QString name = QString::fromLatin1(preset.name);
                QCOMPARE(site.Name, round == 1 ? name : name + " 2");
                QVERIFY2(ChartSiteProblem(sites, sites.size() - 1).isEmpty(), preset.name);
                QVERIFY2(FileNameProblem(sites, sites.size() - 1).isEmpty(), preset.name);
                QCOMPARE(site.Display, qint16(1));
                QVERIFY(ChartSiteInUse(site));
            }
        }
    }

    // The chart sites' working copy of the built-in sites and two template sites, "Mine" in
    // use and the initial page, "Later" off with an address it cannot use: each edit reaches
    // the model on apply, to its own site; an edit that breaks a rule ("-") changes nothing.
    void draftEdits_data() { AddDataRows(QStringLiteral("chartsitesdraft.txt")); }
    void draftEdits() {
        QFETCH(QString, edit);
        QFETCH(QString, row);
        QFETCH(QString, value);
        QFETCH(QString, rows);
        Model model;
        model.chartSites = {{"Mine", "https://o.test/{symbol}", -1, 1, true, "mine"},
                            {"Later", "nonsense", -1, 0, false, "later"}};
        model.general.StartPage = "mine";
        ChartSitesDraft draft(model);
        const QString before = Rows(draft);
        const int at = row.toInt();
        bool made = true;
        if (edit == "display") {
            draft.setDisplay(at, value.toShort());
        } else if (edit == "enable") {
            made = draft.setEnabled(at, value == "on").isEmpty();
        } else if (edit == "move") {
            made = draft.move(at, value.toInt());
        } else if ((made = draft.removeProblem(at, model.general.StartPage).isEmpty())) {
            draft.remove(at);
        }
        QCOMPARE(made, rows != "-");
        QCOMPARE(Rows(ChartSitesDraft(model)), before);
        draft.apply(model);
        QCOMPARE(Rows(ChartSitesDraft(model)), made ? rows : before);
    }

    // Each window that lists the four sites gives each one an access key of its own.
    void accessKeysDiffer_data() {
        QTest::addColumn<const char * SiteInfo::*>("caption");
        QTest::newRow("Options menu") << &SiteInfo::menuCaption;
        QTest::newRow("enable boxes") << &SiteInfo::enableCaption;
        QTest::newRow("start page buttons") << &SiteInfo::startCaption;
        QTest::newRow("alternate symbols") << &SiteInfo::symbolCaption;
    }
    void accessKeysDiffer() {
        QFETCH(const char* SiteInfo::*, caption);
        QSet<QChar> keys;
        for (SiteId id : AllSites) {
            const QString text = QString::fromLatin1(Site(id).*caption);
            QVERIFY2(text.count(u'&') == 1, qPrintable(text));
            keys.insert(text[text.indexOf(u'&') + 1].toLower());
        }
        QCOMPARE(keys.size(), qsizetype(AllSites.size()));
    }
};

QTEST_GUILESS_MAIN(ChartSiteRulesTest)
#include "tst_chartsiterules.moc"

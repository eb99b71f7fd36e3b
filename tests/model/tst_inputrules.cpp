#include "files/HtmlDirPath.h"
#include "model/ChartSiteRules.h"
#include "sites/MovingAverageDays.h"
#include "support/DataRows.h"

#include <QDir>
#include <QTemporaryDir>
#include <QTest>
#include <array>

// The rules the option dialogs apply to what the user enters, called without a dialog: the
// folder for the pages, a template chart site and the moving-average days.
class InputRulesTest : public QObject {
    Q_OBJECT
    QTemporaryDir dir;

  private Q_SLOTS:
    void initTestCase() {
        QVERIFY(QDir(dir.path()).mkdir(QStringLiteral("folder")));
        QFile file(dir.filePath(QStringLiteral("file")));
        QVERIFY(file.open(QIODevice::WriteOnly));
    }

    // The start of the message, or empty where the folder is taken; $T stands for a scratch
    // folder holding "folder" and "file".
    void htmlDirProblem_data() { AddDataRows(QStringLiteral("folders.txt")); }

    void htmlDirProblem() {
        QFETCH(QString, path);
        QFETCH(QString, problem);
        const QString said = HtmlDirProblem(path.replace(QStringLiteral("$T"), dir.path()));
        problem.replace(QStringLiteral("$T"), dir.path());
        QVERIFY2(problem.isEmpty() ? said.isEmpty() : said.startsWith(problem), qPrintable(said));
    }

    // "~/" at the start is the home folder; "~" elsewhere, or without the slash, is a name. A
    // chosen file gives its folder.
    void homeAndFolder() {
        const QString home = QDir::homePath();
        QCOMPARE(ExpandHome(QStringLiteral("~/pages")), home + QStringLiteral("/pages"));
        QCOMPARE(ExpandHome(QStringLiteral("~/")), home + u'/');
        for (const QString& name : {QStringLiteral("~pages"), QStringLiteral("/a/~/b")}) {
            QCOMPARE(ExpandHome(name), name);
        }
        QCOMPARE(FolderOf(QStringLiteral("/srv/web/index.htm")), QStringLiteral("/srv/web/"));
        QCOMPARE(FolderOf(QStringLiteral("/index.htm")), QStringLiteral("/"));
        QCOMPARE(FolderOf(QStringLiteral("index.htm")), QString());
    }

    // Why a template site beside another one, "Mine", cannot make chart links, checked in
    // this order; empty: it can.
    void chartSiteProblem_data() { AddDataRows(QStringLiteral("chartsiteproblems.txt")); }

    void chartSiteProblem() {
        QFETCH(QString, siteName);
        QFETCH(QString, address);
        QFETCH(QString, problem);
        const std::array<ChartSiteSettings, 2> sites{
            ChartSiteSettings{"Mine", "https://m.test/{symbol}", -1, 0, true, "mine"},
            ChartSiteSettings{siteName, address, -1, 0, true, "own"}};
        QCOMPARE(ChartSiteProblem(sites, 1), problem);
    }

    // A moving-average box's text, the days Done stores from it, and what the box shows for
    // them when the dialog opens again.
    void days_data() { AddDataRows(QStringLiteral("days.txt")); }

    void days() {
        QFETCH(QString, text);
        QFETCH(QString, days);
        QFETCH(QString, shown);
        const std::optional<qint16> parsed = ParseDays(text);
        QCOMPARE(parsed ? QString::number(*parsed) : QStringLiteral("refused"), days);
        QCOMPARE(DaysText(parsed.value_or(0)), shown);
    }
};

QTEST_GUILESS_MAIN(InputRulesTest)
#include "tst_inputrules.moc"

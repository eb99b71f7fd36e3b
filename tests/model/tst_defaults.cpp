#include "model/DefaultHtmlDir.h"
#include "model/Limits.h"
#include "model/Model.h"
#include "store/StoreLayout.h"

#include <QDir>
#include <QStandardPaths>
#include <QTest>

namespace {
// Moves a setting off whatever value it has.
struct ChangeSetting {
    void operator()(QString* text) const { *text += u'x'; }
    void operator()(bool* flag) const { *flag = !*flag; }
    void operator()(qint16* number) const { ++*number; }
    void operator()(qint32* number) const { ++*number; }
};
}  // namespace

// The starting state of the model: defaults, the starter list, and the texts of the limits.
class DefaultsTest : public QObject {
    Q_OBJECT
  private Q_SLOTS:
    // Clear settings and the import rely on it: no setting and no flag may keep its old value.
    void applyDefaultsPutsEverythingBack() {
        Model model;
        model.chartSites.resize(ChartSiteLimit);
        TwipsGeometry geometry;
        for (const SectionLayout& section : SettingsLayout(model, geometry)) {
            for (const SettingField& field : section.fields) {
                std::visit(ChangeSetting(), field.target);
            }
        }
        model.SettingsChanged = model.PagesGenerated = true;
        ApplyDefaults(model);
        Model fresh;
        ApplyDefaults(fresh);
        QVERIFY(model == fresh);
        QVERIFY(fresh.general.HtmlDir.endsWith(u'/'));
    }

    // Pages go beside a program in a folder the user may write to (a build tree, a portable
    // copy), never among the system's files, even for root.
    void defaultHtmlDir_data() {
        QTest::addColumn<QString>("programDir");
        QTest::addColumn<bool>("own");  // the program's folder, else the per-user data folder
        QTest::newRow("a writable folder") << QDir::tempPath() << true;
        for (const char* system :
             {"/usr", "/usr/bin", "/usr/local/bin", "/opt", "/bin", "/sbin", "/lib"}) {
            QTest::newRow(system) << QString(system) << false;
        }
    }
    void defaultHtmlDir() {
        QFETCH(QString, programDir);
        QFETCH(bool, own);
        const QString data = QStandardPaths::writableLocation(QStandardPaths::GenericDataLocation);
        QCOMPARE(DefaultHtmlDirFor(programDir),
                 own ? programDir + u'/' : data + QStringLiteral("/Tickvane/pages/"));
    }

    void defaultStockList() {
        Model model;
        DefaultStockList(model);
        const StockList& list = model.list;
        QVERIFY(CheckInvariants(list));
        QStringList rows;
        for (qint16 t = 0; t <= list.Maxtypes; ++t) {
            rows << list.types[t].Type;
            for (qint16 i = list.types[t].Lowstock; i <= list.types[t].Histock; ++i) {
                const StockRecord& s = list.stocks[i];
                rows << (QStringList{s.Stock, s.Description, s.URL} +
                         QStringList(s.Alternates.begin(), s.Alternates.end()))
                            .join(u',');
                QCOMPARE(list.StockTypeIndex[i], t);
            }
        }
        QCOMPARE(rows, QStringList({"Market Indices", "DJIA,Dow Industrials,,,I:INDU,$INDU,^DJI",
                                    "SP500,S&P 500,,,I:SPX,$SPX,^SPC",
                                    "COMP,NASDAQ,,NASDAQ,I:COMP,$COMPQ,^IXIC", "Internet Stocks",
                                    "AOL,America Online,https://www.aol.com/,,,,",
                                    "IBM,IBM,https://www.ibm.com/,,,,",
                                    "MSFT,Microsoft,https://www.microsoft.com/,,,,", "Mutual Funds",
                                    "FMAGX,Fidelity Magellan,https://www.fidelity.com/,,,,",
                                    "JAVLX,Janus 20 Fund,https://www.janushenderson.com/,,,,"}));
        QVERIFY(!model.SettingsChanged);
    }

    void limitMessages() {
        QCOMPARE(TypeLimitMessage(),
                 QStringLiteral("Sorry, you have reached the (arbitrary) limit of 100 types.  If "
                                "this limit is a problem, please contact the author."));
        QCOMPARE(StockLimitMessage(),
                 QStringLiteral("Sorry, you have reached the (arbitrary) limit of 1000 stocks.  "
                                "If this limit is a problem, please contact the author."));
    }
};

QTEST_GUILESS_MAIN(DefaultsTest)
#include "tst_defaults.moc"

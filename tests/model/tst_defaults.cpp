#include "model/Limits.h"
#include "model/Model.h"
#include "model/SiteTable.h"
#include "model/StartPage.h"

#include <QTest>

// The starting state of the model: defaults and the starter list.
class DefaultsTest : public QObject {
    Q_OBJECT
  private Q_SLOTS:
    void applyDefaultsEmptiesListAndClearsFlags() {
        Model model;
        DefaultStockList(model);
        model.SettingsChanged = model.PagesGenerated = model.ownSite.Enabled = true;
        ApplyDefaults(model);
        QCOMPARE(model.ownSite, OwnSiteSettings{});
        QCOMPARE(model.list.Maxtypes, qint16(-1));
        QCOMPARE(model.list.Maxstocks, qint16(-1));
        QVERIFY(!model.SettingsChanged);
        QVERIFY(!model.PagesGenerated);
        QVERIFY(model.general.HtmlDir.endsWith(u'/'));
    }

    void defaultStockListMatchesTheStarterList() {
        Model model;
        ApplyDefaults(model);
        DefaultStockList(model);
        QVERIFY(CheckInvariants(model.list));
        QVERIFY(!model.SettingsChanged);
        const StockList& list = model.list;
        QCOMPARE(list.Maxtypes, qint16(2));
        QCOMPARE(list.Maxstocks, qint16(7));
        QCOMPARE(list.types[1].Type, QStringLiteral("Internet Stocks"));
        QCOMPARE(list.types[1].Lowstock, qint16(3));
        QCOMPARE(list.types[1].Histock, qint16(5));
        QCOMPARE(list.types[2].Lowstock, qint16(6));
        QCOMPARE(list.types[2].Histock, qint16(7));
        QCOMPARE(list.stocks[2].Alt_BC, QStringLiteral("NASDAQ"));
        QCOMPARE(list.StockTypeIndex[7], qint16(2));
    }

    void siteSymbolPrefersTheSitesAlternate() {
        StockRecord dow{QStringLiteral("DJIA"), {}, {}, {}, {}, {}, QStringLiteral("^DJI")};
        QCOMPARE(SiteSymbol(dow, SiteId::Yahoo), QStringLiteral("^DJI"));
        QCOMPARE(SiteSymbol(dow, SiteId::BigCharts), QStringLiteral("DJIA"));
        dow.Alt_SP = QStringLiteral(" ");
        QCOMPARE(SiteSymbol(dow, SiteId::StockPoint), QStringLiteral(" "));
    }

    // The rule the general options apply to the start page: it must name a site whose pages
    // are written.
    void startPageNamesAnEnabledSite_data() {
        QTest::addColumn<QString>("startPage");
        QTest::addColumn<bool>("ownEnabled");
        QTest::addColumn<QString>("ownTemplate");
        QTest::addColumn<bool>("expected");
        const QString sound = QStringLiteral("https://o.test/c?s={symbol}");
        QTest::addRow("enabled site") << "stockpoint" << false << sound << true;
        QTest::addRow("disabled site") << "yahoo" << true << sound << false;
        QTest::addRow("own site in use") << "own" << true << sound << true;
        QTest::addRow("own site off") << "own" << false << sound << false;
        QTest::addRow("own site spoilt") << "own" << true << "ftp://o.test/{symbol}" << false;
    }

    void startPageNamesAnEnabledSite() {
        QFETCH(QString, startPage);
        QFETCH(bool, ownEnabled);
        QFETCH(QString, ownTemplate);
        QFETCH(bool, expected);
        Model model;
        ApplyDefaults(model);
        model.general.Yahoo_enable = false;
        model.ownSite = {ownEnabled, QStringLiteral("Own"), ownTemplate, -1, false};
        QCOMPARE(NamesEnabledSite(model, startPage), expected);
    }

    void limitMessagesReadAsTheUserSeesThem() {
        QCOMPARE(TypeLimitMessage(),
                 QStringLiteral("Sorry, you have reached the (arbitrary) limit of 100 types.  If "
                                "this limit is a problem, please contact the author."));
        QCOMPARE(StockLimitMessage(),
                 QStringLiteral("Sorry, you have reached the (arbitrary) limit of 1000 stocks.  "
                                "If this limit is a problem, please contact the author."));
        StockList list;
        list.Maxtypes = 98;
        list.Maxstocks = 998;
        QVERIFY(!TypeLimitReached(list) && !StockLimitReached(list));
        list.Maxtypes = 99;
        list.Maxstocks = 999;
        QVERIFY(TypeLimitReached(list) && StockLimitReached(list));
    }
};

QTEST_GUILESS_MAIN(DefaultsTest)
#include "tst_defaults.moc"

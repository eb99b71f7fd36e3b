#include "model/Model.h"
#include "sites/ChartSite.h"
#include "sites/OwnSite.h"

#include <QTest>

Q_DECLARE_METATYPE(SiteId)

namespace {
// The address of `symbol` at `site`, with a mark after its end so that a code that ends the
// address can be matched as a whole.
QString Address(const Model& model, SiteId site, const QString& symbol = QStringLiteral("SYM")) {
    return ChartSiteFor(site).chartAddress(model).forSymbol(symbol) + u'#';
}

qint16* Selection(Model& model, SiteId site, const QString& key) {
    for (const SettingField& field : ChartSiteFor(site).fields(model)) {
        if (field.key == key) {
            return std::get<qint16*>(field.target);
        }
    }
    return nullptr;
}

Model Defaults() {
    Model model;
    ApplyDefaults(model);
    return model;
}

// One option: the codes of its labels in index order, and what surrounds the code in an
// address whose other options are at their defaults.
struct OptionCodes {
    SiteId site;
    const char* key;
    const char* before;
    const char* after;
    QStringList codes;
};

QStringList BigChartsLowerCodes() {
    return {"0",        "1",      "268435456",  "2",        "4",        "8",       "16",
            "32",       "128",    "256",        "512",      "4096",     "8192",    "16384",
            "65536",    "131072", "1073741824", "67108864", "16777216", "8388608", "134217728",
            "33554432", "262144", "524288",     "1048576",  "2097152",  "4194304"};
}

QStringList StockMasterAverageCodes() {
    return {"n",  "e5",  "e12", "e13", "e20", "e26", "e50", "e200",
            "s5", "s12", "s13", "s20", "s26", "s50", "s200"};
}

const QList<OptionCodes>& AllOptionCodes() {
    using S = SiteId;
    static const QList<OptionCodes> all{
        {S::BigCharts,
         "TimePeriod",
         "&time=",
         "&freq=",
         {"1", "2", "3", "18", "4", "5", "6", "7", "19", "8", "9", "10", "11", "12", "13", "20"}},
        {S::BigCharts,
         "Frequency",
         "&freq=",
         "&compidx=",
         {"9", "6", "7", "8", "1", "2", "3", "4", "5"}},
        {S::BigCharts,
         "CompIndex",
         "&compidx=",
         "&size=",
         {"", "SP500%3A3377", "DJIA%3A1643", "NASDAQ%3A3291", "RUT%3A4166", "XCI%3A565",
          "IIX%3A144590", "XBD%3A12400", "XOI%3A567", "XAU%3A3599", "DJUA%3A1645", "DJTA%3A1644",
          "XAL%3A13882"}},
        {S::BigCharts, "PlotSize", "&size=", "&type=", {"1", "2", "3", "4"}},
        {S::BigCharts,
         "PriceDisp",
         "&type=",
         "&style=",
         {"1", "2", "4", "8", "16", "32", "64", "128", "256"}},
        {S::BigCharts,
         "ChartBkgrd",
         "&style=",
         "&ma=",
         {"320", "330", "340", "350", "360", "370", "380"}},
        {S::BigCharts, "MoveAvg", "&ma=", "&uf=", {"0", "1", "2", "3", "4", "5", "6"}},
        {S::BigCharts,
         "UpInd",
         "&uf=",
         "&lf=",
         {"0", "4", "8", "16", "32", "128", "1024", "2048", "4096", "7168", "512"}},
        {S::BigCharts, "LowInd0", "&lf=", "&lf1=", BigChartsLowerCodes()},
        {S::BigCharts, "LowInd1", "&lf1=", "&lf2=", BigChartsLowerCodes()},
        {S::BigCharts, "LowInd2", "&lf2=", "&comp=", BigChartsLowerCodes()},
        {S::StockMaster,
         "Time",
         "&m=",
         "&sm=",
         {"1", "2", "3", "6", "ytd", "12", "24", "36", "60", "120"}},
        {S::StockMaster, "PlotType", "&sm=", "&sc=", {"pr", "pct"}},
        {S::StockMaster, "Scale", "&sc=", "&ma1=", {"li", "l", "lp"}},
        {S::StockMaster, "Quote", "&sc=li", "&ma1=", {"", "&qo=b", "&qo=d"}},
        {S::StockMaster,
         "CompIndex",
         "&sc=li",
         "&ma1=",
         {"", "&ci=I:%3ASPX", "&ci=I%3AINDU", "&ci=I%3ACOMP", "&ci=I%3ATSEA"}},
        {S::StockMaster, "MoveAvg1", "&ma1=", "&ma2=", StockMasterAverageCodes()},
        {S::StockMaster, "MoveAvg2", "&ma2=", "&ui=", StockMasterAverageCodes()},
        {S::StockMaster, "UpInd", "&ui=", "&li=", {"n", "mae", "bb", "vbp"}},
        {S::StockMaster,
         "LowInd",
         "&li=",
         "&t=",
         {"n", "v", "vp", "ma", "obv", "mo", "wp", "rsi", "fst", "sst"}},
        {S::StockMaster, "PriceDisp", "&t=", "&co=", {"o", "l", "h", "m", "p", "s", "c", "cp"}},
        {S::StockMaster,
         "ChartSize",
         "&t=o",
         "&co=",
         {"&sz=s", "", "&sz=t", "&sz=w", "&sz=h", "&sz=2", "&sz=3", "&sz=st"}},
        {S::StockMaster, "MenuType", "&co=", "#", {"b", "c", "t", "f"}},
        {S::StockPoint,
         "PlotSize",
         "&size=",
         "&dRange=",
         {"450x250", "500x300", "600x400", "640x480", "800x600"}},
        {S::StockPoint,
         "TimePeriod",
         "&dRange=",
         "&PlotType=",
         {"d1", "w1", "m1", "m3", "m6", "y1", "y3", "y5"}},
        {S::StockPoint, "PlotType", "&PlotType=", "&ind7=", {"line", "candle", "range"}},
        {S::StockPoint,
         "CompIndex",
         "&sym2=",
         "&size=",
         {"", "%24INDU", "%24SPX", "%24COMPQ", "%24RUT", "%24NYA", "%24TRAN", "%24PSE"}},
        {S::Yahoo, "TimePeriod", "&d=", "#", {"1d", "5d", "3m", "1y", "2y", "5y"}},
        {S::Yahoo, "ViewType", "&d=5d", "#", {"", "s", "m"}},
    };
    return all;
}
}  // namespace

// The chart addresses of the four sites, and what each option label stands for in them.
class ChartAddressTest : public QObject {
    Q_OBJECT
  private Q_SLOTS:
    void optionCodes_data() {
        QTest::addColumn<SiteId>("site");
        QTest::addColumn<QString>("key");
        QTest::addColumn<int>("index");
        QTest::addColumn<QString>("expected");
        const Model defaults = Defaults();
        for (const OptionCodes& option : AllOptionCodes()) {
            const QString name = Site(option.site).name + u' ' + QLatin1StringView(option.key);
            auto row = [&](int index, const QString& code) {
                QTest::addRow("%s %d", qPrintable(name), index)
                    << option.site << QString::fromLatin1(option.key) << index
                    << option.before + code + option.after;
            };
            for (int i = 0; i < option.codes.size(); ++i) {
                row(i, option.codes[i]);
            }
            // Past either end of the table (a hand-edited store) the default's code is used;
            // this also catches a table with more labels than codes.
            Model model = Defaults();
            const QString defaultCode =
                option.codes[*Selection(model, option.site, QString::fromLatin1(option.key))];
            row(option.codes.size(), defaultCode);
            row(-1, defaultCode);
            row(32767, defaultCode);
        }
    }

    void optionCodes() {
        QFETCH(SiteId, site);
        QFETCH(QString, key);
        QFETCH(int, index);
        QFETCH(QString, expected);
        Model model = Defaults();
        qint16* selection = Selection(model, site, key);
        QVERIFY(selection);
        *selection = static_cast<qint16>(index);
        const QString address = Address(model, site);
        QVERIFY2(address.contains(expected), qPrintable(address));
    }

    void addresses_data() {
        QTest::addColumn<SiteId>("site");
        QTest::addColumn<QString>("symbol");
        QTest::addColumn<QString>("expected");
        QTest::addRow("BigCharts defaults")
            << SiteId::BigCharts << "IBM"
            << "https://bigcharts.marketwatch.com/intchart/frames/frames.asp?frames=1&time=3"
               "&freq=8&compidx=&size=1&type=4&style=320&ma=0&uf=0&lf=1&lf1=0&lf2=0"
               "&comp=NO_SYMBOL_CHOSEN&default=t&o_symb=IBM&symb=IBM";
        QTest::addRow("StockMaster defaults")
            << SiteId::StockMaster << "MSFT"
            << "https://www.stockmaster.com/exe/sm/chart?&Symbol=MSFT&m=1&sm=pr&sc=li&ma1=n"
               "&ma2=n&ui=n&li=n&t=o&co=b";
        QTest::addRow("StockPoint defaults")
            << SiteId::StockPoint << "XYZ"
            << "https://www.stockpoint.com/quote.asp?Mode=CHART&Symbol=XYZ&RepeatChart=1&sym3="
               "&sym4=&sym5=&sym2=&size=500x300&dRange=w1&PlotType=line&ind7=volume&avg1=&avg2=";
        QTest::addRow("Yahoo defaults") << SiteId::Yahoo << "^DJI"
                                        << "https://finance.yahoo.com/q?s=^DJI&d=5d";
    }

    void addresses() {
        QFETCH(SiteId, site);
        QFETCH(QString, symbol);
        QFETCH(QString, expected);
        QCOMPARE(ChartSiteFor(site).chartAddress(Defaults()).forSymbol(symbol), expected);
    }

    void bigChartsWithEveryOptionChosen() {
        Model model = Defaults();
        BigChartsSettings& s = model.bigCharts;
        s = {9, 4, 1, 2, 3, 3, 5, 2, {3, 4, 0}, QStringLiteral("MSFT")};
        QVERIFY(Address(model, SiteId::BigCharts, QStringLiteral("AOL"))
                    .endsWith("/intchart/frames/frames.asp?frames=1&time=8&freq=1"
                              "&compidx=SP500%3A3377&size=3&type=8&style=350&ma=5&uf=8&lf=2&lf1=4"
                              "&lf2=0&comp=MSFT&default=t&o_symb=AOL&symb=AOL#"));
    }

    void stockMasterWithEveryOptionChosen() {
        Model model = Defaults();
        StockMasterSettings& s = model.stockMaster;
        s = {4, 1, 2, 2, 3, 6, 14, 2, 7, 7, 7, 3, true, true, true, {"IBM", "", "MSFT", "", ""}};
        QVERIFY(Address(model, SiteId::StockMaster, QStringLiteral("I:INDU"))
                    .endsWith("/exe/sm/chart?&Symbol=I:INDU&m=ytd&sm=pct&sc=lp&qo=d&qd=d"
                              "&ci=I%3ACOMP&ma1=e50&ma2=s200&ui=bb&li=rsi&cs=IBM%20MSFT&t=cp"
                              "&sz=st&co=f&ss=1&shl=1#"));
    }

    void stockMasterSwitchesAndComparisonSymbols_data() {
        QTest::addColumn<bool>("decimals");
        QTest::addColumn<QStringList>("symbols");
        QTest::addColumn<QString>("expected");
        QTest::addRow("decimals after a short quote")
            << true << QStringList(5) << "&sc=li&qd=d&ma1=";
        QTest::addRow("no comparison symbols") << false << QStringList(5) << "&li=n&t=o";
        QTest::addRow("boxes 1 and 3")
            << false << QStringList{"", "IBM", "", "MSFT", ""} << "&li=n&cs=IBM%20MSFT&t=o";
        QTest::addRow("one box") << false << QStringList{"", "", "", "", "T"} << "&li=n&cs=T&t=o";
    }

    void stockMasterSwitchesAndComparisonSymbols() {
        QFETCH(bool, decimals);
        QFETCH(QStringList, symbols);
        QFETCH(QString, expected);
        Model model = Defaults();
        model.stockMaster.Decimals = decimals;
        std::copy(symbols.begin(), symbols.end(), model.stockMaster.CompSym.begin());
        QVERIFY(Address(model, SiteId::StockMaster).contains(expected));
    }

    void stockPointIndicatorsAndAverages_data() {
        QTest::addColumn<QList<qint16>>("indicators");
        QTest::addColumn<QList<qint16>>("averages");
        QTest::addColumn<QString>("expected");
        QTest::addRow("none") << QList<qint16>(7, 0) << QList<qint16>{0, 0}
                              << "&PlotType=line&avg1=&avg2=#";
        QTest::addRow("all") << QList<qint16>(7, 1) << QList<qint16>{50, -5}
                             << "&PlotType=line&ind1=boll&ind2=rels&ind3=stoch&ind4=obv"
                                "&ind5=proc&ind6=macd&ind7=volume&avg1=50&avg2=#";
        QTest::addRow("second") << QList<qint16>{0, 2, 0, 0, 0, 0, 0} << QList<qint16>{-1, 200}
                                << "&PlotType=line&ind2=rels&avg1=&avg2=200#";
    }

    void stockPointIndicatorsAndAverages() {
        QFETCH(QList<qint16>, indicators);
        QFETCH(QList<qint16>, averages);
        QFETCH(QString, expected);
        Model model = Defaults();
        model.stockPoint.CompSym = {"A", "", "C"};
        std::copy(indicators.begin(), indicators.end(), model.stockPoint.Indicators.begin());
        std::copy(averages.begin(), averages.end(), model.stockPoint.MoveAvg.begin());
        const QString address = Address(model, SiteId::StockPoint);
        QVERIFY(address.contains("&sym3=A&sym4=&sym5=C&sym2=&"));
        QVERIFY2(address.endsWith(expected), qPrintable(address));
    }

    void yahooTimeAndView() {
        Model model = Defaults();
        model.yahoo = {1, 2};
        QCOMPARE(Address(model, SiteId::Yahoo, QStringLiteral("MSFT")),
                 QStringLiteral("https://finance.yahoo.com/q?s=MSFT&d=3ms#"));
        model.yahoo = {2, 5};
        QVERIFY(Address(model, SiteId::Yahoo).endsWith("&d=5ym#"));
    }

    void symbolsAndComparisonSymbolsAreWrittenAsStored() {
        Model model = Defaults();
        model.bigCharts.CompSym = QStringLiteral("msft x");
        QVERIFY(Address(model, SiteId::BigCharts, QStringLiteral(" a:b "))
                    .endsWith("&comp=msft x&default=t&o_symb= a:b &symb= a:b #"));
    }

    // The own site: the template with the chosen symbol put in, RFC 3986 unreserved
    // characters kept and everything else percent-encoded as UTF-8.
    void ownSiteAddresses_data() {
        QTest::addColumn<int>("symbolsFrom");
        QTest::addColumn<QString>("symbol");
        QTest::addColumn<QString>("expected");
        QTest::addRow("unreserved kept") << -1 << "Az09-._~" << QStringLiteral("Az09-._~");
        QTest::addRow("reserved, blank, non-ASCII") << -1 << QString::fromUtf8("^$ /?&=%+#\u00e9")
                                                    << "%5E%24%20%2F%3F%26%3D%25%2B%23%C3%A9";
        QTest::addRow("Yahoo's symbol") << 3 << "DJIA" << QStringLiteral("%5EDJI");
        QTest::addRow("empty alternate falls back") << 1 << "DJIA" << QStringLiteral("DJIA");
    }

    void ownSiteAddresses() {
        QFETCH(int, symbolsFrom);
        QFETCH(QString, symbol);
        QFETCH(QString, expected);
        const StockRecord stock{symbol, {}, {}, {}, {}, {}, QStringLiteral("^DJI")};
        Model model = Defaults();
        model.ownSite = {true, "Own", "https://x.test/c?s={symbol}&p=1", qint16(symbolsFrom),
                         false};
        const OwnChartSite site(model.ownSite);
        QCOMPARE(site.chartAddress(model).forSymbol(site.addressSymbol(site.symbol(stock))),
                 "https://x.test/c?s=" + expected + "&p=1");
    }
};

QTEST_GUILESS_MAIN(ChartAddressTest)
#include "tst_chartaddress.moc"

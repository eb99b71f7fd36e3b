#include "model/Model.h"
#include "sites/ChartSite.h"
#include "sites/OwnSite.h"
#include "store/StoredValue.h"

#include <QTest>

Q_DECLARE_METATYPE(SiteId)

namespace {
using enum SiteId;

Model Defaults() {
    Model model;
    ApplyDefaults(model);
    return model;
}

// The address between marks, so that a whole address or a code at either end can be matched.
QString Address(const Model& model, SiteId site, const QString& symbol) {
    return u'<' + ChartSiteFor(site).chartAddress(model).forSymbol(symbol) + u'>';
}

// Each option's codes in label order, separated by "|", and what stands around the code while
// the other options keep their defaults. A table that serves several fields is checked
// through the first of them.
struct OptionCodes {
    SiteId site;
    const char* key;
    const char* before;
    const char* after;
    const char* codes;
};

constexpr OptionCodes AllOptionCodes[] = {
    {BigCharts, "TimePeriod", "&time=", "&freq=", "1|2|3|18|4|5|6|7|19|8|9|10|11|12|13|20"},
    {BigCharts, "Frequency", "&freq=", "&compidx=", "9|6|7|8|1|2|3|4|5"},
    {BigCharts, "CompIndex", "&compidx=", "&size=",
     "|SP500%3A3377|DJIA%3A1643|NASDAQ%3A3291|RUT%3A4166|XCI%3A565|IIX%3A144590|XBD%3A12400|"
     "XOI%3A567|XAU%3A3599|DJUA%3A1645|DJTA%3A1644|XAL%3A13882"},
    {BigCharts, "PlotSize", "&size=", "&type=", "1|2|3|4"},
    {BigCharts, "PriceDisp", "&type=", "&style=", "1|2|4|8|16|32|64|128|256"},
    {BigCharts, "ChartBkgrd", "&style=", "&ma=", "320|330|340|350|360|370|380"},
    {BigCharts, "MoveAvg", "&ma=", "&uf=", "0|1|2|3|4|5|6"},
    {BigCharts, "UpInd", "&uf=", "&lf=", "0|4|8|16|32|128|1024|2048|4096|7168|512"},
    {BigCharts, "LowInd0", "&lf=", "&lf1=",
     "0|1|268435456|2|4|8|16|32|128|256|512|4096|8192|16384|65536|131072|1073741824|67108864|"
     "16777216|8388608|134217728|33554432|262144|524288|1048576|2097152|4194304"},
    {StockMaster, "Time", "&m=", "&sm=", "1|2|3|6|ytd|12|24|36|60|120"},
    {StockMaster, "PlotType", "&sm=", "&sc=", "pr|pct"},
    {StockMaster, "Scale", "&sc=", "&ma1=", "li|l|lp"},
    {StockMaster, "Quote", "&sc=li", "&ma1=", "|&qo=b|&qo=d"},
    {StockMaster, "CompIndex", "&sc=li",
     "&ma1=", "|&ci=I:%3ASPX|&ci=I%3AINDU|&ci=I%3ACOMP|&ci=I%3ATSEA"},
    {StockMaster, "MoveAvg1",
     "&ma1=", "&ma2=", "n|e5|e12|e13|e20|e26|e50|e200|s5|s12|s13|s20|s26|s50|s200"},
    {StockMaster, "UpInd", "&ui=", "&li=", "n|mae|bb|vbp"},
    {StockMaster, "LowInd", "&li=", "&t=", "n|v|vp|ma|obv|mo|wp|rsi|fst|sst"},
    {StockMaster, "PriceDisp", "&t=", "&co=", "o|l|h|m|p|s|c|cp"},
    {StockMaster, "ChartSize", "&t=o", "&co=", "&sz=s||&sz=t|&sz=w|&sz=h|&sz=2|&sz=3|&sz=st"},
    {StockMaster, "MenuType", "&co=", ">", "b|c|t|f"},
    {StockPoint, "PlotSize", "&size=", "&dRange=", "450x250|500x300|600x400|640x480|800x600"},
    {StockPoint, "TimePeriod", "&dRange=", "&PlotType=", "d1|w1|m1|m3|m6|y1|y3|y5"},
    {StockPoint, "PlotType", "&PlotType=", "&ind7=", "line|candle|range"},
    {StockPoint, "CompIndex",
     "&sym2=", "&size=", "|%24INDU|%24SPX|%24COMPQ|%24RUT|%24NYA|%24TRAN|%24PSE"},
    {Yahoo, "TimePeriod", "&d=", ">", "1d|5d|3m|1y|2y|5y"},
    {Yahoo, "ViewType", "&d=5d", ">", "|s|m"},
};

// The worked examples, and the pieces that only some settings write. Settings are given as
// "key=value;..." in the keys and value forms of the site's store section.
struct Example {
    const char* name;
    SiteId site;
    const char* settings;
    const char* symbol;
    const char* expected;
};

constexpr Example Examples[] = {
    {"BigCharts defaults", BigCharts, "", "IBM",
     "<https://bigcharts.marketwatch.com/intchart/frames/frames.asp?frames=1&time=3&freq=8"
     "&compidx=&size=1&type=4&style=320&ma=0&uf=0&lf=1&lf1=0&lf2=0&comp=NO_SYMBOL_CHOSEN"
     "&default=t&o_symb=IBM&symb=IBM>"},
    {"BigCharts texts as stored, last lower indicator", BigCharts,
     "LowInd0=0;LowInd2=26;CompSym=msft x", " a:b ",
     "&lf=0&lf1=0&lf2=4194304&comp=msft x&default=t&o_symb= a:b &symb= a:b >"},
    {"StockMaster defaults", StockMaster, "", "MSFT",
     "<https://www.stockmaster.com/exe/sm/chart?&Symbol=MSFT&m=1&sm=pr&sc=li&ma1=n&ma2=n&ui=n"
     "&li=n&t=o&co=b>"},
    {"StockMaster decimals, splits, boxes 1 and 4", StockMaster,
     "Decimals=True;Splits=True;CompSym1=IBM;CompSym4=MSFT", "S",
     "/chart?&Symbol=S&m=1&sm=pr&sc=li&qd=d&ma1=n&ma2=n&ui=n&li=n&cs=IBM%20MSFT&t=o&co=b&ss=1>"},
    {"StockPoint defaults", StockPoint, "", "XYZ",
     "<https://www.stockpoint.com/quote.asp?Mode=CHART&Symbol=XYZ&RepeatChart=1&sym3=&sym4="
     "&sym5=&sym2=&size=500x300&dRange=w1&PlotType=line&ind7=volume&avg1=&avg2=>"},
    {"StockPoint every indicator, averages 50 and -5", StockPoint,
     "CompSym0=A;CompSym2=C;Indicators0=1;Indicators1=1;Indicators2=1;Indicators3=1;Indicators4=1;"
     "Indicators5=1;MoveAvg0=50;MoveAvg1=-5",
     "S",
     "&sym3=A&sym4=&sym5=C&sym2=&size=500x300&dRange=w1&PlotType=line&ind1=boll&ind2=rels"
     "&ind3=stoch&ind4=obv&ind5=proc&ind6=macd&ind7=volume&avg1=50&avg2=>"},
    {"StockPoint one indicator, averages 0 and 1", StockPoint,
     "Indicators1=2;Indicators6=0;MoveAvg0=0;MoveAvg1=1", "S",
     "&PlotType=line&ind2=rels&avg1=&avg2=1>"},
    {"Yahoo defaults", Yahoo, "", "^DJI", "<https://finance.yahoo.com/q?s=^DJI&d=5d>"},
    {"Yahoo vs S&P 500, 3 months", Yahoo, "ViewType=1;TimePeriod=2", "MSFT", "/q?s=MSFT&d=3ms>"},
};
}  // namespace

// The chart addresses of the four sites, and what each option label stands for in them.
class ChartAddressTest : public QObject {
    Q_OBJECT
  private Q_SLOTS:
    void addresses_data() {
        QTest::addColumn<SiteId>("site");
        QTest::addColumn<QString>("settings");
        QTest::addColumn<QString>("symbol");
        QTest::addColumn<QString>("expected");
        for (const OptionCodes& option : AllOptionCodes) {
            const QStringList codes = QString::fromLatin1(option.codes).split(u'|');
            for (int i = 0; i < codes.size(); ++i) {
                QTest::addRow("%s %s %d", qPrintable(Site(option.site).name), option.key, i)
                    << option.site << QStringLiteral("%1=%2").arg(option.key).arg(i) << "S"
                    << option.before + codes[i] + option.after;
            }
        }
        for (const Example& example : Examples) {
            QTest::newRow(example.name)
                << example.site << example.settings << example.symbol << example.expected;
        }
    }

    void addresses() {
        QFETCH(SiteId, site);
        QFETCH(QString, settings);
        QFETCH(QString, symbol);
        QFETCH(QString, expected);
        Model model = Defaults();
        const SettingFields fields = ChartSiteFor(site).fields(model);
        for (const QString& setting : settings.split(u';', Qt::SkipEmptyParts)) {
            const auto field = std::find_if(fields.begin(), fields.end(), [&](const auto& f) {
                return f.key == setting.section(u'=', 0, 0);
            });
            QVERIFY2(field != fields.end() && ReadStoredText(*field, setting.section(u'=', 1)),
                     qPrintable(setting));
        }
        const QString address = Address(model, site, symbol);
        QVERIFY2(address.contains(expected), qPrintable(address));
    }

    // A stored selection outside its table (a hand-edited store) stands for the default.
    void selectionOutsideItsTableIsTheDefault() {
        for (SiteId site : AllSites) {
            Model model = Defaults();
            const QString expected = Address(model, site, "S");
            for (const SettingField& field : ChartSiteFor(site).fields(model)) {
                if (field.table) {
                    qint16& selection = *std::get<qint16*>(field.target);
                    const qint16 kept = selection;
                    for (const int outside : {-1, field.table->MaxIndex() + 1}) {
                        selection = qint16(outside);
                        QVERIFY2(Address(model, site, "S") == expected, qPrintable(field.key));
                    }
                    selection = kept;
                }
            }
        }
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
        QTest::addRow("a blank alternate is one") << 2 << "DJIA" << QStringLiteral("%20");
    }

    void ownSiteAddresses() {
        QFETCH(int, symbolsFrom);
        QFETCH(QString, symbol);
        QFETCH(QString, expected);
        const StockRecord stock{
            symbol, {}, {}, {}, {}, QStringLiteral(" "), QStringLiteral("^DJI")};
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

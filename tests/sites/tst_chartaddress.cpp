#include "model/Model.h"
#include "sites/ChartSite.h"
#include "sites/OwnSite.h"
#include "store/StoredValue.h"

#include <QFile>
#include <QTest>

Q_DECLARE_METATYPE(SiteId)

namespace {

Model Defaults() {
    Model model;
    ApplyDefaults(model);
    return model;
}

// The address between marks, so that a whole address or a code at either end can be matched.
QString Address(const Model& model, SiteId site, const QString& symbol) {
    return u'<' + ChartSiteFor(site).chartAddress(model).pieces.join(symbol) + u'>';
}

// The tab-separated fields of each line of tests/data/NAME.
QList<QStringList> Lines(const char* name) {
    QFile file(QStringLiteral(QT_TESTCASE_SOURCEDIR "/data/") + QLatin1String(name));
    if (!file.open(QIODevice::ReadOnly | QIODevice::Text)) {
        qFatal("cannot read %s", name);
    }
    QList<QStringList> lines;
    for (const QString& line : QString::fromUtf8(file.readAll()).split(u'\n', Qt::SkipEmptyParts)) {
        lines << line.split(u'\t');
    }
    return lines;
}

SiteId SiteNamed(const QString& name) {
    return *std::find_if(AllSites.begin(), AllSites.end(),
                         [&](SiteId site) { return Site(site).name == name; });
}
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
        // chartexamples.txt: worked examples that together select entries of every option
        // table, and the pieces that only some settings write: name, site, settings as
        // "key=value;..." in the site's store keys and value forms, symbol, and the expected
        // part of the address.
        for (const QStringList& example : Lines("chartexamples.txt")) {
            QTest::newRow(qPrintable(example[0]))
                << SiteNamed(example[1]) << example[2] << example[3] << example[4];
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
        QCOMPARE(site.chartAddress(model).pieces.join(site.addressSymbol(site.symbol(stock))),
                 "https://x.test/c?s=" + expected + "&p=1");
    }
};

QTEST_GUILESS_MAIN(ChartAddressTest)
#include "tst_chartaddress.moc"

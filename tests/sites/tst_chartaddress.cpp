#include "model/Model.h"
#include "sites/ChartSite.h"
#include "sites/TemplateSite.h"
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
    return u'<' + ChartSiteFor(site).chartAddress(model).forSymbol(symbol) + u'>';
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
        // optioncodes.txt: site, key, what stands before and after the code while the other
        // options keep their defaults, and the codes in label order separated by "|". A table
        // that serves several fields is checked through the first of them.
        for (const QStringList& option : Lines("optioncodes.txt")) {
            const QStringList codes = option[4].split(u'|');
            for (int i = 0; i < codes.size(); ++i) {
                QTest::addRow("%s %s %d", qPrintable(option[0]), qPrintable(option[1]), i)
                    << SiteNamed(option[0]) << QStringLiteral("%1=%2").arg(option[1]).arg(i) << "S"
                    << option[2] + codes[i] + option[3];
            }
        }
        // chartexamples.txt: the worked examples, and the pieces that only some settings
        // write: name, site, settings as "key=value;..." in the site's store keys and value
        // forms, symbol, and the expected part of the address.
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

    // The template language: each placeholder and filter, the percent-encoding, and every
    // refusal with its message. templates.txt: name, template, symbol, and the address or
    // "refused: " and the message.
    void templates_data() {
        QTest::addColumn<QString>("text");
        QTest::addColumn<QString>("symbol");
        QTest::addColumn<QString>("expected");
        for (const QStringList& row : Lines("templates.txt")) {
            QTest::newRow(qPrintable(row[0])) << row[1] << row[2] << row[3];
        }
    }

    void templates() {
        QFETCH(QString, text);
        QFETCH(QString, symbol);
        QFETCH(QString, expected);
        const AddressTemplate parsed = ParseAddressTemplate(text);
        QCOMPARE(parsed.address ? parsed.address->forSymbol(symbol) : "refused: " + parsed.problem,
                 expected);
    }

    // The symbol a template site links with, percent-encoded in its address.
    void templateSiteSymbols_data() {
        QTest::addColumn<int>("symbolsFrom");
        QTest::addColumn<QString>("expected");
        QTest::addRow("the stock's") << -1 << "DJIA";
        QTest::addRow("Yahoo's") << 3 << "%5EDJI";
        QTest::addRow("empty alternate falls back") << 1 << "DJIA";
        QTest::addRow("a blank alternate is one") << 2 << "%20";
    }

    void templateSiteSymbols() {
        QFETCH(int, symbolsFrom);
        QFETCH(QString, expected);
        const StockRecord stock{
            "DJIA", {}, {}, {}, {}, QStringLiteral(" "), QStringLiteral("^DJI")};
        const ChartSiteSettings settings{
            "Own", "https://x.test/c?s={symbol}&p=1", qint16(symbolsFrom), 0, true, "own"};
        const TemplateSite site(settings);
        QCOMPARE(site.chartAddress(Defaults()).forSymbol(site.symbol(stock)),
                 "https://x.test/c?s=" + expected + "&p=1");
    }
};

QTEST_GUILESS_MAIN(ChartAddressTest)
#include "tst_chartaddress.moc"

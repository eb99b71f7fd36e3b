#include "model/Model.h"
#include "settings/StoredValue.h"
#include "sites/ChartSite.h"
#include "sites/SiteDialog.h"
#include "sites/SiteSymbols.h"
#include "sites/TemplateSite.h"
#include "support/DataRows.h"

#include <QTest>

namespace {

Model Defaults() {
    Model model;
    ApplyDefaults(model, QString());
    return model;
}

// The address between marks, so that a whole address or a code at either end can be matched.
QString Address(const Model& model, SiteId site, const QString& symbol) {
    return u'<' + ChartSiteFor(site).chartAddress(model).forSymbol(symbol) + u'>';
}

}  // namespace

// The chart sites: their chart addresses, what each option label stands for in them, and the
// descriptions their dialogs are built from.
class ChartSitesTest : public QObject {
    Q_OBJECT
  private Q_SLOTS:
    // Worked examples that together select every entry of every option table, so that a wrong
    // or swapped code fails, and the pieces that only some settings write; the settings are
    // "key=value;..." in the site's store keys and value forms, the expected text a part of the
    // address.
    void addresses_data() { AddDataRows(QStringLiteral("chartexamples.txt")); }

    void addresses() {
        QFETCH(QString, siteName);
        QFETCH(QString, settings);
        QFETCH(QString, symbol);
        QFETCH(QString, expected);
        const SiteId site = *std::find_if(AllSites.begin(), AllSites.end(),
                                          [&](SiteId id) { return Site(id).name == siteName; });
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
    void templates_data() { AddDataRows(QStringLiteral("templates.txt")); }

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
        QTest::addRow("BigCharts'") << 0 << "INDU%2FX";
        QTest::addRow("Yahoo's") << 3 << "%5EDJI";
        QTest::addRow("empty alternate falls back") << 1 << "DJIA";
        QTest::addRow("a blank alternate is one") << 2 << "%20";
    }

    void templateSiteSymbols() {
        QFETCH(int, symbolsFrom);
        QFETCH(QString, expected);
        const StockRecord stock{"DJIA",
                                {},
                                {},
                                QStringLiteral("INDU/X"),
                                {},
                                QStringLiteral(" "),
                                QStringLiteral("^DJI")};
        const ChartSiteSettings settings{
            "Own", "https://x.test/c?s={symbol}&p=1", qint16(symbolsFrom), 0, true, "own"};
        const TemplateSite site(settings);
        QCOMPARE(site.chartAddress(Defaults()).forSymbol(SiteSymbols(site, Defaults()).of(stock)),
                 "https://x.test/c?s=" + expected + "&p=1");
    }

    // Each control of a site's dialog edits a field of the site's store section that holds
    // what the control shows, inside a frame of the dialog; each field has exactly one control.
    void everyControlEditsOneStoredField() {
        for (SiteId site : AllSites) {
            Model model;
            const SettingFields fields = ChartSiteFor(site).fields(model);
            const SiteDialog& dialog = SiteDialogOf(site);
            QStringList edited;
            QStringList keys;
            for (const DialogControl& control : dialog.controls) {
                QVERIFY2(FindControlField(control, fields) &&
                             size_t(control.frame) < dialog.frames.size(),
                         control.name);
                edited << QString::fromLatin1(control.key);
            }
            for (const SettingField& field : fields) {
                keys << field.key;
            }
            edited.sort();
            keys.sort();
            QCOMPARE(edited, keys);
        }
    }

    // A key the site does not store, or a field holding another kind of value, is no
    // control's field.
    void mismatchedControlsFindNoField() {
        Model model;
        const SettingFields fields = ChartSiteFor(SiteId::StockPoint).fields(model);
        const std::pair<ControlKind, const char*> mismatches[] = {
            {ControlKind::Check, "Indicators7"}, {ControlKind::List, "CompSym0"},
            {ControlKind::List, "MoveAvg0"},     {ControlKind::Days, "PlotSize"},
            {ControlKind::Check, "PlotType"},    {ControlKind::Symbol, "Indicators0"}};
        for (const auto& [kind, key] : mismatches) {
            QVERIFY2(!FindControlField({"Made", kind, key, 0, {}}, fields), key);
        }
    }
};

QTEST_GUILESS_MAIN(ChartSitesTest)
#include "tst_chartsites.moc"

#include "model/ChartAddress.h"
#include "model/Model.h"
#include "support/Files.h"
#include "web/GeneratePages.h"
#include "web/HtmlText.h"

#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>
#include <QRegularExpression>
#include <QTemporaryDir>
#include <QTest>

namespace {
struct SilentReport : GenerationReport {
    void fileWritten(const QString&) override {}
    void finished(bool, const QString&) override {}
};

// Symbols and texts that an href, a filter or the script's data could get wrong; alternate
// symbols set before, between and after empty ones; a type without stocks.
Model HostileList(const QString& htmlDir) {
    Model model;
    ApplyDefaults(model, QString());
    model.general.HtmlDir = htmlDir + u'/';
    model.general.OnePage = true;
    StockList& list = model.list;
    list.Maxtypes = 2;
    list.Maxstocks = 3;
    list.types[0] = {QString::fromUtf8("Type \"one\" <\u00e9>"), 0, 1};
    list.types[1] = {QStringLiteral("Empty"), 2, 1};
    list.types[2] = {QStringLiteral("Third"), 2, 3};
    list.stocks[0] = {"BRK.B/A", "Berkshire", {}, {{{}, "sm.x", {}, {}}}};
    list.stocks[1] = {"A\"<b>&\t",
                      QString::fromUtf8("Soci\u00e9t\u00e9 \"A\" <b>\\"),
                      {},
                      {{{}, {}, {}, "^DJI"}}};
    list.stocks[2] = {QString::fromUtf8("\u00dcn\u00ef c\u00f6d\u00e9 \u00df"),
                      {},
                      {},
                      {{QString::fromUtf8("\U0001F4C8x"), {}, {}, {}}}};
    list.stocks[3] = {"ibm", "IBM", {}, {{{}, {}, "$ibm", {}}}};
    model.chartSites = {
        {"Plain", "https://p.test/?s={symbol}", -1, 0, true, "plain"},
        {"Lower", "https://l.test/{symbol|lower}.html", 0, 1, true, "lower"},
        {"Twice", "https://t.test/{symbol|dash|lower}/{{x}}?u={symbol|upper}&v={symbol|upper}", 3,
         2, true, "twice"},
        {"Dashes", "https://d.test/{symbol|upper|dash}?n=caf%C3%A9&x", 1, 0, true, "dashes"},
    };
    return model;
}

// The address the page's script makes of `stock` for `site`: the data read as the script
// reads it, the symbol put into each gap by the program's own rules.
QString Assembled(const QJsonObject& site, const QJsonArray& stock) {
    const int from = site["from"].toInt();
    const QString alternate = from >= 0 ? stock.at(2 + from).toString() : QString();
    const QString symbol = alternate.isEmpty() ? stock[0].toString() : alternate;
    const QJsonArray pieces = site["pieces"].toArray();
    const QJsonArray slots = site["slots"].toArray();
    std::string href = pieces[0].toString().toStdString();
    for (qsizetype k = 0; k < slots.size(); ++k) {
        static constexpr SymbolFilter filters[] = {SymbolFilter::Lower, SymbolFilter::Upper,
                                                   SymbolFilter::Dash};
        SymbolSlot slot;
        for (const QChar step : slots[k].toString()) {
            const qsizetype filter = QStringLiteral("lud").indexOf(step);
            slot.percentEncoded = slot.percentEncoded || step == u'%';
            if (filter >= 0) {
                slot.filters.push_back(filters[filter]);
            }
        }
        AppendHrefValue(href, slot.apply(symbol));
        href += pieces[k + 1].toString().toStdString();
    }
    return QString::fromStdString(href);
}

// The target and address of every link in `page` that follows `before`.
QStringList Links(const QString& page, const QString& before) {
    QStringList links;
    const QRegularExpression link(QRegularExpression::escape(before) +
                                  "<a target=\"([^\"]*)\" href=\"([^\"]*)\">");
    for (const QRegularExpressionMatch& match : link.globalMatch(page)) {
        links << match.captured(1) + u' ' + match.captured(2);
    }
    return links;
}
}  // namespace

// index.html against the navigation pages it stands beside.
class OnePageTest : public QObject {
    Q_OBJECT
    QTemporaryDir dir_;

  private Q_SLOTS:
    // For every site, with it as the start page: the script's data gives every stock the
    // address and target of its link on the site's navigation page, and so does the plain
    // list for scripts that are off; the data holds the list's texts exactly.
    void addressDataFollowsTheNavigationLinks_data() {
        QTest::addColumn<QString>("site");
        for (const char* site : {"bigcharts", "stockmaster", "stockpoint", "yahoo", "plain",
                                 "lower", "twice", "dashes"}) {
            QTest::newRow(site) << site;
        }
    }
    void addressDataFollowsTheNavigationLinks() {
        QFETCH(QString, site);
        Model model = HostileList(dir_.path());
        model.general.StartPage = site;
        model.siteDisplay = {0, 1, 2, 1};
        SilentReport report;
        QVERIFY(GeneratePages(model, report));
        const QString page = QString::fromLatin1(readFile(dir_.filePath("index.html")));
        const QStringList navigation =
            Links(QString::fromLatin1(readFile(dir_.filePath(site + ".html"))), "<tr><td>");
        QCOMPARE(navigation.size(), 4);
        QCOMPARE(Links(page, "<li>"), navigation);

        const QRegularExpression option("<option value=\"([^\"]+)\"");
        QStringList sites;
        for (const QRegularExpressionMatch& match : option.globalMatch(page)) {
            sites << match.captured(1);
        }
        const QString json = page.section("<script type=\"application/json\" id=\"stocks\">", 1)
                                 .section("</script>", 0, 0);
        const QJsonObject data = QJsonDocument::fromJson(json.toLatin1()).object();
        const QJsonObject siteData = data["sites"].toArray()[sites.indexOf(site)].toObject();
        QStringList scripted;
        int t = 0;
        int i = 0;
        for (const QJsonValue type : data["types"].toArray()) {
            QCOMPARE(type[0].toString(), model.list.types[t++].Type);
            for (const QJsonValue stock : type[1].toArray()) {
                QCOMPARE(stock[1].toString(), model.list.stocks[i++].Description);
                scripted << siteData["target"].toString() + u' ' +
                                Assembled(siteData, stock.toArray());
            }
        }
        QCOMPARE(scripted, navigation);
    }
};

QTEST_GUILESS_MAIN(OnePageTest)
#include "tst_onepage.moc"

#include "model/ChartSitePresets.h"
#include "model/Model.h"
#include "support/DataRows.h"
#include "support/Files.h"
#include "web/GeneratePages.h"
#include "web/HtmlText.h"
#include "web/NavigationPage.h"

#include <fcntl.h>
#include <sys/syscall.h>
#include <unistd.h>
#include <QDir>
#include <QFile>
#include <QTemporaryDir>
#include <QTest>
#include <cerrno>

static int failingFlush = 0;   // the flush of a file that fails, counted from 1; 0: none
static int failingRename = 0;  // the same for the renames

// Linked in place of the system's calls, so that one page's flush or rename can fail.
extern "C" int fdatasync(int fd) {
    errno = EIO;
    return failingFlush > 0 && --failingFlush == 0 ? -1 : int(syscall(SYS_fdatasync, fd));
}
extern "C" int rename(const char* from, const char* to) {
    errno = EIO;
    return failingRename > 0 && --failingRename == 0
               ? -1
               : int(syscall(SYS_renameat, AT_FDCWD, from, AT_FDCWD, to));
}

namespace {
struct RecordingReport : GenerationReport {
    QStringList written;
    QStringList endings;  // every finished() message; exactly one is expected

    void fileWritten(const QString& path) override { written.append(QFileInfo(path).fileName()); }
    void finished(bool, const QString& message) override { endings.append(message); }
};

// Two types: one with a stock without and one with a home page, one without stocks.
Model SmallList(const QString& htmlDir) {
    Model model;
    ApplyDefaults(model, QString());
    model.general.HtmlDir = htmlDir + u'/';
    StockList& list = model.list;
    list.Maxtypes = list.Maxstocks = 1;
    list.types[0] = {QStringLiteral("Internet Stocks"), 0, 1};
    list.types[1] = {QStringLiteral("Empty type"), 2, 1};
    list.stocks[0].Stock = QStringLiteral("MSFT");
    list.stocks[0].Description = QStringLiteral("Microsoft");
    list.stocks[1].Stock = list.stocks[1].Description = QStringLiteral("IBM");
    list.stocks[1].URL = QStringLiteral("https://www.ibm.com/");
    return model;
}

// In the order they are written.
const QStringList AllFiles =
    QStringLiteral(
        "bigcharts.frame.html stockmaster.frame.html stockpoint.frame.html "
        "yahoo.frame.html blank.html bigcharts.html stockmaster.html stockpoint.html "
        "yahoo.html")
        .split(u' ');
}  // namespace

// The page set as it is written into the pages folder.
class GeneratePagesTest : public QObject {
    Q_OBJECT
    QTemporaryDir dir_;
    QString dir() const { return dir_.path(); }
    QString file(const QString& name) const { return dir_.filePath(name); }

  private Q_SLOTS:
    void init() {
        QDir(dir()).removeRecursively();
        QDir().mkpath(dir());
    }

    // Every page written, compared whole with tests/data/pages/GOLDEN/; the folder is created.
    // With the extras, the template site "own" is enabled when lines do not wrap (its pages as
    // the own site of earlier versions wrote them), another one with filters when they wrap.
    // The one-page chart browser, index.html, is written only when asked for.
    void pagesAreWrittenExactly_data() {
        QTest::addColumn<QString>("golden");
        QTest::addColumn<bool>("noLineWraps");
        QTest::addColumn<bool>("browserColors");
        QTest::addColumn<bool>("extras");  // custom links, hostile texts, StockMaster off
        QTest::addColumn<bool>("onePage");
        QTest::newRow("plain") << "plain" << false << true << false << false;
        QTest::newRow("colours, custom links, template site, one page")
            << "colours" << false << false << true << true;
        QTest::newRow("no wraps, own site") << "nowraps" << true << true << true << false;
    }
    void pagesAreWrittenExactly() {
        QFETCH(QString, golden);
        QFETCH(bool, noLineWraps);
        QFETCH(bool, browserColors);
        QFETCH(bool, extras);
        QFETCH(bool, onePage);
        Model model = SmallList(file("new/pages"));
        model.general.OnePage = onePage;
        model.general.NoLineWraps = noLineWraps;
        model.general.UseBrowserColors = browserColors;
        model.general.BackColor = 0x0CB00A;  // red first in the page, the high byte ignored
        model.general.TextColor = qint32(0xFF000001);
        QStringList expected = AllFiles;
        if (extras) {
            model.custom[0] = {1, QStringLiteral("A&B"), QStringLiteral("https://a.test/?x=1&y=2")};
            model.custom[1] = {2, QStringLiteral("My link"), QStringLiteral("https://x.test/a b")};
            model.general.SiteEnabled[1] = false;
            model.list.stocks[0].Alternates[2] = QStringLiteral("$MSFT");
            model.list.stocks[0].Alternates[3] = QStringLiteral("A\"<b>&");
            model.list.stocks[1].URL = QString::fromUtf8("https://x.test/\"><i>\u00e9");
            model.list.stocks[1].Description = QString::fromUtf8("Soci\u00e9t\u00e9");
            model.chartSites = {
                {QStringLiteral("Q&A \"charts\""),
                 QStringLiteral("https://q.test/c?sym={symbol}&t=1y"), 2, 1, noLineWraps,
                 QStringLiteral("own")},
                {QString::fromUtf8("Caf\u00e9 & co"),
                 QStringLiteral("https://l.test/{symbol|lower}/{{x}}?u={symbol|upper}"), 3, 2,
                 !noLineWraps, QStringLiteral("cafe-co")}};
            expected.removeOne("stockmaster.html");
            const QString templateSite = noLineWraps ? "own" : "cafe-co";
            expected.insert(4, templateSite + ".frame.html");
            expected << templateSite + ".html";
        }
        if (onePage) {
            expected << "index.html";
        }
        RecordingReport report;
        QVERIFY(GeneratePages(model, report));
        QVERIFY(model.PagesGenerated);
        QCOMPARE(report.written, expected);
        QCOMPARE(report.endings, QStringList{"Pages generated."});
        const QDir goldenDir(QT_TESTCASE_SOURCEDIR "/data/pages/" + golden);
        expected.sort();
        QCOMPARE(goldenDir.entryList(QDir::Files), expected);
        for (const QString& name : expected) {
            const QByteArray page = readFile(file("new/pages/" + name));
            QVERIFY2(page == readFile(goldenDir.filePath(name)), qPrintable(name));
            QVERIFY(std::all_of(page.begin(), page.end(), [](char c) { return uchar(c) < 0x80; }));
        }
    }

    // A site's symbol for a stock: its alternate symbol, else its form for the stock's exchange,
    // else the symbol; as the navigation page links it and shows it. sitesymbols.txt: the site
    // (built in, or a template site made from a preset), the stock, the site's forms when not
    // its preset's ("-" none), and the symbol the page shows.
    void siteSymbols_data() { AddDataRows(QStringLiteral("sitesymbols.txt")); }
    void siteSymbols() {
        QFETCH(QString, site);
        QFETCH(QString, exchange);
        QFETCH(QString, alternate);
        QFETCH(QString, forms);
        QFETCH(QString, expected);
        Model model = SmallList(dir());
        QFETCH(QString, symbol);
        model.list.stocks[0] = {symbol, {}, {}, {{{}, {}, {}, alternate}}, exchange};
        const auto preset = std::find_if(ChartSitePresets().begin(), ChartSitePresets().end(),
                                         [&](const auto& preset) { return site == preset.name; });
        if (preset != ChartSitePresets().end()) {
            model.chartSites = {SiteFromPreset(*preset, {})};
        }
        QString problem;
        const SymbolForms table = ParseSymbolFormsText(forms == "-" ? "" : forms, problem).value();
        for (ChartSiteSettings& chartSite : model.chartSites) {
            chartSite.Forms = forms.isEmpty() ? chartSite.Forms : table;
        }
        for (SymbolForms& builtIn : model.siteForms) {
            builtIn = forms.isEmpty() ? builtIn : table;
        }
        const ChartSiteList sites(model);
        const auto chosen = std::find_if(sites.begin(), sites.end(), [&](const ChartSite* s) {
            return s->name() == (model.chartSites.empty() ? site : model.chartSites[0].Name);
        });
        std::string page;
        MakeNavigationPage(page, model, sites, **chosen, StockRowEnds(model));
        std::erase(page, '\r');  // some sites put the link's text on a line of its own
        std::erase(page, '\n');
        const std::string link = (*chosen)->chartAddress(model).forSymbol(expected).toStdString();
        QVERIFY2(page.find("href=\"" + link + "\">" + expected.toStdString() + "</a>") !=
                     std::string::npos,
                 page.c_str());
    }

    // A home page and a custom link are links only without a scheme or with a web scheme;
    // otherwise the description stands alone. Rows: tests/data/linkedaddresses.txt.
    void pagesLinkOnlyWebAddresses_data() {
        QTest::addColumn<QString>("address");
        QTest::addColumn<bool>("linked");
        QTest::addColumn<bool>("ownSite");  // the address before "{symbol}" makes an own site
        for (const QByteArray& line :
             readFile(QT_TESTCASE_SOURCEDIR "/data/linkedaddresses.txt").split('\n')) {
            if (const QList<QByteArray> f = line.split('\t'); f.size() == 4) {
                QTest::newRow(f[0]) << QString::fromUtf8(QByteArray::fromPercentEncoding(f[3]))
                                    << (f[1] == "link") << (f[2] == "own");
            }
        }
    }
    void pagesLinkOnlyWebAddresses() {
        QFETCH(QString, address);
        QFETCH(bool, linked);
        QFETCH(bool, ownSite);
        Model model = SmallList(dir());
        model.list.stocks[1].URL = address;
        model.custom[0] = {1, "Notes", address};
        model.chartSites = {{"Own", address + "{symbol}", -1, 0, true, "own"}};
        RecordingReport report;
        QVERIFY(GeneratePages(model, report));
        const QByteArray page = readFile(file("yahoo.html"));
        std::string href;
        AppendHrefValue(href, address);
        const QByteArray a =
            linked ? "<a target=\"right\" href=\"" + QByteArray::fromStdString(href) + "\">" : "";
        const QByteArray end = linked ? "</a>" : "";
        QVERIFY2(
            page.contains("> " + a + "IBM</font>\r\n" + end + (linked ? "\r\n" : "") + "</td>") &&
                page.contains("<br>\r\n" + a + "Notes" + end + "<br>\r\n"),
            page.constData());
        QCOMPARE(QFile::exists(file("own.html")), ownSite);
    }

    // A page whose flush or rename fails, the first, one between or the last, stops the set
    // there and fails the generation with the page's name; the pages before it are written.
    void failedPageFailsTheSet_data() {
        QTest::addColumn<bool>("flush");  // else the rename fails
        QTest::addColumn<int>("page");    // counted from 1
        for (const int page : {1, 4, 7, 9}) {
            QTest::addRow("flush of page %d", page) << true << page;
            QTest::addRow("rename of page %d", page) << false << page;
        }
    }
    void failedPageFailsTheSet() {
        QFETCH(bool, flush);
        QFETCH(int, page);
        Model model = SmallList(dir());
        RecordingReport report;
        (flush ? failingFlush : failingRename) = page;
        const bool generated = GeneratePages(model, report);
        failingFlush = failingRename = 0;
        QVERIFY(!generated);
        QCOMPARE(report.written, AllFiles.mid(0, page - 1));
        QCOMPARE(report.endings,
                 QStringList{QStringLiteral("Could not write \"%1\": %2")
                                 .arg(file(AllFiles[page - 1]), "Input/output error")});
    }

    void disabledSitesKeepTheirOlderPages() {
        Model model = SmallList(dir());
        model.general.SiteEnabled.fill(false);
        model.chartSites = {{"Own", "https://o.test/{symbol}", -1, 0, false, "own"}};
        const QByteArray older("older page\r\n");
        writeFile(file("stockpoint.html"), older);
        writeFile(file("own.html"), older);
        RecordingReport report;
        QVERIFY(GeneratePages(model, report));
        QCOMPARE(readFile(file("stockpoint.html")), older);
        QCOMPARE(readFile(file("own.html")), older);
        QVERIFY(!QFile::exists(file("bigcharts.html")));
        QCOMPARE(report.written, AllFiles.mid(0, 5));
        QCOMPARE(report.endings, QStringList{"Pages generated."});
        QVERIFY(readFile(file("bigcharts.frame.html")).contains("src=\"bigcharts.html\""));
    }
};

QTEST_GUILESS_MAIN(GeneratePagesTest)
#include "tst_generatepages.moc"

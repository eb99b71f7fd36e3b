#include "model/Model.h"
#include "web/GeneratePages.h"

#include <sys/stat.h>
#include <QDir>
#include <QFile>
#include <QTemporaryDir>
#include <QTest>

namespace {
struct RecordingReport : GenerationReport {
    QStringList written;
    QStringList endings;  // every finished() message; exactly one is expected
    bool ok = false;

    void fileWritten(const QString& path) override { written.append(QFileInfo(path).fileName()); }
    void finished(bool success, const QString& message) override {
        ok = success;
        endings.append(message);
    }
};

QByteArray Lines(std::initializer_list<const char*> lines) {
    QByteArray text;
    for (const char* line : lines) {
        text += line;
        text += "\r\n";
    }
    return text;
}

QByteArray Read(const QString& path) {
    QFile file(path);
    return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray("(missing)");
}

void Put(const QString& path, const QByteArray& bytes) {
    QFile file(path);
    QVERIFY(file.open(QIODevice::WriteOnly));
    file.write(bytes);
}

// Two types: one with a stock without and one with a home page, one without stocks.
Model SmallList(const QString& htmlDir) {
    Model model;
    ApplyDefaults(model);
    model.general.HtmlDir = htmlDir + u'/';
    StockList& list = model.list;
    list.Maxtypes = 1;
    list.Maxstocks = 1;
    list.types[0] = {QStringLiteral("Internet Stocks"), 0, 1};
    list.types[1] = {QStringLiteral("Empty type"), 2, 1};
    list.stocks[0].Stock = QStringLiteral("MSFT");
    list.stocks[0].Description = QStringLiteral("Microsoft");
    list.stocks[1].Stock = list.stocks[1].Description = QStringLiteral("IBM");
    list.stocks[1].URL = QStringLiteral("https://www.ibm.com/");
    return model;
}

const QStringList AllFiles{"bigcharts.frame.html",
                           "stockmaster.frame.html",
                           "stockpoint.frame.html",
                           "yahoo.frame.html",
                           "blank.html",
                           "bigcharts.html",
                           "stockmaster.html",
                           "stockpoint.html",
                           "yahoo.html"};
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

    void navigationPageLayout() {
        Model model = SmallList(dir());
        RecordingReport report;
        QVERIFY(GeneratePages(model, report));
        QCOMPARE(report.written, AllFiles);
        QCOMPARE(report.endings, QStringList{"Pages generated."});
        QVERIFY(model.PagesGenerated);
        QCOMPARE(
            Read(file("yahoo.html")),
            Lines({"<html><head><title>Stock charts from Yahoo</title></head><body>Yahoo "
                   "charts<br><hr>",
                   "<table border=0 cellspacing=0 cellpadding=0><tr><td>",
                   "Internet Stocks</td></tr>",
                   "<tr><td><a target=\"right\" href=\"https://finance.yahoo.com/q?s=MSFT&d=5d\">"
                   "MSFT</a><font size=\"-2\"> Microsoft</font>",
                   "</td></tr>",
                   "<tr><td><a target=\"right\" href=\"https://finance.yahoo.com/q?s=IBM&d=5d\">"
                   "IBM</a><font size=\"-2\"> <a target=\"right\" "
                   "href=\"https://www.ibm.com/\">IBM</font>",
                   "</a>", "</td></tr>", "</table><hr>",
                   "<table border=0 cellspacing=0 cellpadding=0><tr><td>", "Empty type</td></tr>",
                   "</table><hr>", "Other sites<br>",
                   "<a target=\"_top\" href=\"bigcharts.frame.html\">BigCharts</a><br>",
                   "<a target=\"_top\" href=\"stockmaster.frame.html\">StockMaster</a><br>",
                   "<a target=\"_top\" href=\"stockpoint.frame.html\">StockPoint</a><br>",
                   "</body></html>"}));
    }

    void ownSitePagesWhenEnabled() {
        Model model = SmallList(dir());
        model.general.StockMaster_enable = false;
        model.list.stocks[0].Alt_SP = QStringLiteral("$MSFT");
        model.ownSite = {true, QStringLiteral("Q&A \"charts\""),
                         QStringLiteral("https://q.test/c?sym={symbol}&t=1y"), 2, true};
        RecordingReport report;
        QVERIFY(GeneratePages(model, report));
        QCOMPARE(report.written.mid(8), (QStringList{"own.frame.html", "own.html"}));
        QCOMPARE(
            Read(file("own.html")),
            Lines({"<html><head><title>Stock charts from Q&amp;A &quot;charts&quot;</title></head>"
                   "<body>Q&amp;A &quot;charts&quot; charts<br><hr>",
                   "<table border=0 cellspacing=0 cellpadding=0><tr><td>",
                   "Internet Stocks</td></tr>",
                   "<tr><td><a target=\"new\" href=\"https://q.test/c?sym=%24MSFT&t=1y\">"
                   "$MSFT</a><font size=\"-2\"> Microsoft</font>",
                   "</td></tr>",
                   "<tr><td><a target=\"new\" href=\"https://q.test/c?sym=IBM&t=1y\">"
                   "IBM</a><font size=\"-2\"> <a target=\"right\" "
                   "href=\"https://www.ibm.com/\">IBM</font>",
                   "</a>", "</td></tr>", "</table><hr>",
                   "<table border=0 cellspacing=0 cellpadding=0><tr><td>", "Empty type</td></tr>",
                   "</table><hr>", "Other sites<br>",
                   "<a target=\"_top\" href=\"bigcharts.frame.html\">BigCharts</a><br>",
                   "<a target=\"_top\" href=\"stockpoint.frame.html\">StockPoint</a><br>",
                   "<a target=\"_top\" href=\"yahoo.frame.html\">Yahoo</a><br>",
                   "</body></html>"}));
        QVERIFY(Read(file("own.frame.html")).contains("from Q&amp;A &quot;charts&quot;</title>") &&
                Read(file("own.frame.html")).contains("name=\"left\" src=\"own.html\">"));
        QVERIFY(Read(file("yahoo.html"))
                    .endsWith("StockPoint</a><br>\r\n<a target=\"_top\" href=\"own.frame.html\">"
                              "Q&amp;A &quot;charts&quot;</a><br>\r\n</body></html>\r\n"));
    }

    void framesetAndBlankPages() {
        Model model = SmallList(dir());
        RecordingReport report;
        GeneratePages(model, report);
        QCOMPARE(Read(file("bigcharts.frame.html")),
                 Lines({"<html><head><title>Stock charts from bigcharts</title></head><frameset "
                        "cols=\"25%,75%\" rows=\"100%\">",
                        "<frame scrolling=\"yes\" name=\"left\" src=\"bigcharts.html\">",
                        "<frame scrolling=\"no\" name=\"right\" src=\"blank.html\">",
                        "</frameset></html>"}));
        QVERIFY(Read(file("yahoo.frame.html"))
                    .contains("<frame scrolling=\"yes\" name=\"right\" src=\"blank.html\">\r\n"));
        QCOMPARE(Read(file("blank.html")),
                 Lines({"<html><head></head><body>Produced by Tickvane version 1.0", "<p>",
                        "Please visit <a href=\"https://tickvane.org/\">our web site</a>",
                        "to check for updates.", "</body></html>"}));
    }

    void optionsShowInEveryPage_data() {
        QTest::addColumn<bool>("noLineWraps");
        QTest::addColumn<bool>("browserColors");
        QTest::addColumn<QString>("page");
        QTest::addColumn<QByteArrayList>("expected");
        QTest::addRow("no wraps")
            << true << true << "yahoo.html"
            << QByteArrayList{"<body>Yahoo&nbsp;charts<br>", "\r\nInternet&nbsp;Stocks</td>",
                              "MSFT</a><font size=\"-2\">&nbsp;Microsoft</font>\r\n",
                              "\r\nCustom&nbsp;URLs<br>\r\n<a target=\"new\" "
                              "href=\"https://x.test/a b\">My&nbsp;link</a><br>\r\n<hr>\r\n"
                              "Other&nbsp;sites<br>\r\n"};
        QTest::addRow("wraps") << false << true << "stockmaster.html"
                               << QByteArrayList{
                                      "</table><hr>\r\nCustom URLs<br>\r\n<a target=\"right\" "
                                      "href=\"https://a.test/?x=1&y=2\">A&amp;B</a><br>\r\n<a "
                                      "target=\"new\" href=\"https://x.test/a b\">My link</a>"
                                      "<br>\r\n<hr>\r\nOther sites"};
        QTest::addRow("colours in the navigation page")
            << false << false << "stockpoint.html"
            << QByteArrayList{
                   "</title></head><body bgcolor=#FFFFFF text=#000000>StockPoint "
                   "charts<br><hr>\r\n"};
        QTest::addRow("BigCharts breaks after the link tag")
            << false << true << "bigcharts.html"
            << QByteArrayList{
                   Lines({"<html><head><title>Stock charts from Bigcharts</title></head><body>"
                          "Bigcharts charts<br><hr>"}) +
                   "<table border=0 cellspacing=0 cellpadding=0><tr><td>\r\nInternet "
                   "Stocks</td></tr>\r\n<tr><td><a target=\"right\" href=\"https://"
                   "bigcharts.marketwatch.com/intchart/frames/frames.asp?frames=1&time=3&freq=8"
                   "&compidx=&size=1&type=4&style=320&ma=0&uf=0&lf=1&lf1=0&lf2=0"
                   "&comp=NO_SYMBOL_CHOSEN&default=t&o_symb=MSFT&symb=MSFT\">\r\nMSFT</a><font "
                   "size=\"-2\"> Microsoft</font>\r\n</td></tr>\r\n<tr><td>"};
        QTest::addRow("StockMaster's head")
            << false << true << "stockmaster.html"
            << QByteArrayList{
                   "<title>Stock charts from StockMaster</title></head><body>StockMaster "
                   "charts<br><hr>\r\n"};
        QTest::addRow("colours in the blank page")
            << false << false << "blank.html"
            << QByteArrayList{"<html><head></head><body bgcolor=#FFFFFF text=#000000>Produced"};
    }

    void optionsShowInEveryPage() {
        QFETCH(bool, noLineWraps);
        QFETCH(bool, browserColors);
        QFETCH(QString, page);
        QFETCH(QByteArrayList, expected);
        Model model = SmallList(dir());
        model.general.NoLineWraps = noLineWraps;
        model.general.UseBrowserColors = browserColors;
        model.custom[1] = {2, QStringLiteral("My link"), QStringLiteral("https://x.test/a b")};
        if (!noLineWraps) {
            model.custom[0] = {1, QStringLiteral("A&B"), QStringLiteral("https://a.test/?x=1&y=2")};
        }
        RecordingReport report;
        GeneratePages(model, report);
        const QByteArray text = Read(file(page));
        for (const QByteArray& part : expected) {
            QVERIFY2(text.contains(part), part.constData());
        }
    }

    void disabledSitesKeepTheirOlderPages() {
        Model model = SmallList(dir());
        model.general.BigCharts_enable = false;
        model.general.StockMaster_enable = false;
        model.general.StockPoint_enable = false;
        model.ownSite = {false, QStringLiteral("Own"), QStringLiteral("https://o.test/{symbol}"),
                         -1, false};
        const QByteArray older("older page\r\n");
        Put(file("stockpoint.html"), older);
        Put(file("own.html"), older);
        RecordingReport report;
        QVERIFY(GeneratePages(model, report));
        QCOMPARE(Read(file("stockpoint.html")), older);
        QCOMPARE(Read(file("own.html")), older);
        QVERIFY(!QFile::exists(file("bigcharts.html")));
        QCOMPARE(report.written, AllFiles.mid(0, 5) + QStringList{"yahoo.html"});
        QVERIFY(Read(file("yahoo.html"))
                    .endsWith("</table><hr>\r\nOther sites<br>\r\n</body></html>\r\n"));
        QVERIFY(Read(file("bigcharts.frame.html")).contains("src=\"bigcharts.html\""));

        model.general.Yahoo_enable = false;
        RecordingReport none;
        QVERIFY(GeneratePages(model, none));
        QCOMPARE(none.written, AllFiles.mid(0, 5));
        QCOMPARE(none.endings, QStringList{"Pages generated."});
    }

    void unsafeSymbolsAndAddressesStayInsideTheirMarkup() {
        Model model = SmallList(dir());
        model.list.stocks[0].Alt_YH = QStringLiteral("A\"<b>&");
        model.list.stocks[1].URL = QString::fromUtf8("https://x.test/\"><i>\u00e9");
        model.list.stocks[1].Description = QString::fromUtf8("Soci\u00e9t\u00e9");
        RecordingReport report;
        GeneratePages(model, report);
        const QByteArray page = Read(file("yahoo.html"));
        QVERIFY(
            page.contains("href=\"https://finance.yahoo.com/q?s=A%22%3Cb%3E&&d=5d\">"
                          "A&quot;&lt;b&gt;&amp;</a>"));
        QVERIFY(
            page.contains("href=\"https://x.test/%22%3E%3Ci%3E%C3%A9\">Soci&#233;t&#233;</font>"));
        QVERIFY(std::all_of(page.begin(), page.end(), [](char c) { return uchar(c) < 0x80; }));
    }

    void missingFolderIsCreated() {
        Model model = SmallList(dir() + "/new/pages");
        RecordingReport report;
        QVERIFY(GeneratePages(model, report));
        QVERIFY(QFile::exists(file("new/pages/yahoo.html")));
    }

    // Generation stops at the first path that cannot be written, names it and its reason,
    // and replaces nothing that is not a regular file.
    void unwritablePathsStopGeneration_data() {
        QTest::addColumn<QString>("blocker");  // "name/": a folder, "name|": a FIFO, else a file
        QTest::addColumn<QString>("pages");
        QTest::addColumn<QString>("failed");
        QTest::addColumn<int>("written");
        QTest::addRow("folder is a file")
            << "plain"
            << "plain/pages"
            << "Could not create the folder \"%1/plain/pages/\": " << 0;
        QTest::addRow("page is a folder")
            << "stockpoint.html/"
            << ""
            << "Could not write \"%1/stockpoint.html\": it is a folder" << 7;
        QTest::addRow("page is a FIFO")
            << "blank.html|"
            << ""
            << "Could not write \"%1/blank.html\": it is not a regular file" << 4;
    }
    void unwritablePathsStopGeneration() {
        QFETCH(QString, blocker);
        QFETCH(QString, pages);
        QFETCH(QString, failed);
        QFETCH(int, written);
        const QString blocking = file(blocker).remove(u'|');
        if (blocker.endsWith(u'/')) {
            QDir().mkpath(blocking);
        } else if (blocker.endsWith(u'|')) {
            QCOMPARE(mkfifo(QFile::encodeName(blocking).constData(), 0600), 0);
        } else {
            Put(blocking, "a file, not a folder");
        }
        const QByteArray older("older yahoo\r\n");
        Put(file("yahoo.html"), older);
        Model model = SmallList(pages.isEmpty() ? dir() : file(pages));
        RecordingReport report;
        QVERIFY(!GeneratePages(model, report));
        QCOMPARE(report.written, AllFiles.mid(0, written));
        QCOMPARE(report.endings.size(), 1);
        QVERIFY2(report.endings[0].startsWith(failed.arg(dir())), qPrintable(report.endings[0]));
        QCOMPARE(Read(file("yahoo.html")), older);
        QCOMPARE(QFileInfo(blocking).isFile(), !blocker.endsWith(u'/') && !blocker.endsWith(u'|'));
    }
};

QTEST_GUILESS_MAIN(GeneratePagesTest)
#include "tst_generatepages.moc"

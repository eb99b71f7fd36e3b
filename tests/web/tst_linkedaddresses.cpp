#include "model/Model.h"
#include "support/Files.h"
#include "web/GeneratePages.h"
#include "web/HtmlText.h"

#include <QTemporaryDir>
#include <QTest>

namespace {
struct QuietReport : GenerationReport {
    void fileWritten(const QString&) override {}
    void finished(bool, const QString&) override {}
};
}  // namespace

// A stock's home page and a custom link become links only without a scheme or with a web
// scheme; any other address leaves its description as plain text. The own site makes pages
// only from a complete http or https template.
class LinkedAddressesTest : public QObject {
    Q_OBJECT
    QTemporaryDir dir_;

  private Q_SLOTS:
    void pagesLinkOnlyWebAddresses_data() {
        QTest::addColumn<QString>("address");
        QTest::addColumn<bool>("linked");
        QTest::addColumn<bool>("ownSite");  // with "{symbol}" appended, as the own site's template
        const auto row = [](const char* name, const QString& address, bool linked, bool ownSite) {
            QTest::newRow(name) << address << linked << ownSite;
        };
        row("http", "http://ibm.com/", true, true);
        row("HTTP", "HTTP://IBM.COM/", true, true);
        row("https", "https://ibm.com/", true, true);
        row("HTTPS", "HTTPS://IBM.COM/", true, true);
        row("ftp", "ftp://ftp.ibm.com/", true, false);
        row("FTP", "FTP://FTP.IBM.COM/", true, false);
        row("mailto", "mailto:ir@ibm.com", true, false);
        row("MAILTO", "MAILTO:IR@IBM.COM", true, false);
        row("file", "file:///home/me/ibm.html", true, false);
        row("FILE", "FILE:///HOME/ME/IBM.HTML", true, false);
        row("relative", "notes/ibm.html", true, false);
        row("relative, a colon after the slash", "notes/ibm:2024.html", true, false);
        row("blanks and controls before https", QString::fromUtf16(u"\x01\x1f https://ibm.com/"),
            true, false);
        row("javascript", "javascript:alert(document.domain)", false, false);
        row("JaVaScRiPt", "JaVaScRiPt:alert(1)", false, false);
        row("blank before javascript", " javascript:alert(1)", false, false);
        row("controls before javascript", QString::fromUtf16(u"\0\x1f\tjavascript:alert(1)", 22),
            false, false);
        row("tab and line break inside", "java\tscr\nipt:alert(1)", false, false);
        row("data", "data:text/html,<script>alert(1)</script>", false, false);
        row("vbscript", "vbscript:msgbox(1)", false, false);
        row("a web scheme as a prefix", "https+evil://ibm.com/", false, false);
        row("a drive letter", "C:\\notes\\ibm.html", false, false);
    }
    void pagesLinkOnlyWebAddresses() {
        QFETCH(QString, address);
        QFETCH(bool, linked);
        QFETCH(bool, ownSite);
        Model model;
        ApplyDefaults(model);
        model.general.HtmlDir = dir_.path() + u'/';
        model.general.BigCharts_enable = model.general.StockMaster_enable = false;
        model.general.StockPoint_enable = false;
        model.list.Maxtypes = model.list.Maxstocks = 0;
        model.list.types[0] = {QStringLiteral("Tech"), 0, 0};
        model.list.stocks[0].Stock = QStringLiteral("IBM");
        model.list.stocks[0].Description = QStringLiteral("IBM Corp");
        model.list.stocks[0].URL = address;
        model.custom[0] = {1, QStringLiteral("Notes"), address};
        model.ownSite = {true, QStringLiteral("Own"), address + QStringLiteral("{symbol}"), -1,
                         false};
        QFile::remove(dir_.filePath("own.html"));
        QuietReport report;
        QVERIFY(GeneratePages(model, report));
        const QByteArray page = readFile(dir_.filePath("yahoo.html"));
        const QByteArray href = "<a target=\"right\" href=\"" + HrefValue(address) + "\">";
        const QByteArray home = linked
                                    ? "<font size=\"-2\"> " + href + "IBM Corp</font>\r\n</a>\r\n"
                                    : "<font size=\"-2\"> IBM Corp</font>\r\n</td></tr>\r\n";
        const QByteArray custom =
            linked ? "\r\n" + href + "Notes</a><br>\r\n<hr>" : "\r\nNotes<br>\r\n<hr>";
        QVERIFY2(page.contains(home) && page.contains(custom), page.constData());
        QCOMPARE(page.count(HrefValue(address)), linked ? 2 : 0);
        QCOMPARE(QFile::exists(dir_.filePath("own.html")), ownSite);
    }
};

QTEST_GUILESS_MAIN(LinkedAddressesTest)
#include "tst_linkedaddresses.moc"

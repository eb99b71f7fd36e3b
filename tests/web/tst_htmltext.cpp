#include "web/HtmlColor.h"
#include "web/HtmlText.h"

#include <QTest>

// Texts, addresses and colours as they are written into pages.
class HtmlTextTest : public QObject {
    Q_OBJECT
  private Q_SLOTS:
    void htmlText_data() {
        QTest::addColumn<QString>("text");
        QTest::addColumn<bool>("noLineWraps");
        QTest::addColumn<QByteArray>("expected");
        QTest::addRow("label") << "S&P 500" << false << QByteArray("S&amp;P 500");
        QTest::addRow("label, no wraps") << "S&P 500" << true << QByteArray("S&amp;P&nbsp;500");
        QTest::addRow("markup") << "AT&T <Common>" << false
                                << QByteArray("AT&amp;T &lt;Common&gt;");
        QTest::addRow("quote") << "say \"hi\"" << false << QByteArray("say &quot;hi&quot;");
        QTest::addRow("entity escaped again") << "&amp;" << false << QByteArray("&amp;amp;");
        QTest::addRow("blanks kept together")
            << "a  b " << true << QByteArray("a&nbsp;&nbsp;b&nbsp;");
        QTest::addRow("outside ASCII") << QString::fromUtf8("Soci\u00e9t\u00e9 \u20ac") << false
                                       << QByteArray("Soci&#233;t&#233; &#8364;");
        QTest::addRow("outside the basic plane")
            << QString::fromUtf8("\U0001F4C8 up") << true << QByteArray("&#128200;&nbsp;up");
        QTest::addRow("control characters")
            << QString::fromUtf16(u"a\0b\nc\x1f", 6) << true << QByteArray("a&nbsp;b&nbsp;c&nbsp;");
        QTest::addRow("empty") << "" << true << QByteArray();
    }

    void htmlText() {
        QFETCH(QString, text);
        QFETCH(bool, noLineWraps);
        QFETCH(QByteArray, expected);
        QCOMPARE(HtmlText(text, noLineWraps), expected);
    }

    void hrefValue_data() {
        QTest::addColumn<QString>("address");
        QTest::addColumn<QByteArray>("expected");
        QTest::addRow("ordinary") << "https://www.ibm.com/a?b=1&c=%3A d"
                                  << QByteArray("https://www.ibm.com/a?b=1&c=%3A d");
        QTest::addRow("ends the value") << "x\" onclick=\"y" << QByteArray("x%22 onclick=%22y");
        QTest::addRow("opens a tag") << "<script>" << QByteArray("%3Cscript%3E");
        QTest::addRow("outside ASCII")
            << QString::fromUtf8("caf\u00e9/\u20ac") << QByteArray("caf%C3%A9/%E2%82%AC");
        QTest::addRow("control characters")
            << QString::fromUtf16(u"a\0b\nc\td", 7) << QByteArray("a%00b%0Ac%09d");
    }

    void hrefValue() {
        QFETCH(QString, address);
        QFETCH(QByteArray, expected);
        QCOMPARE(HrefValue(address), expected);
    }

    void htmlColor_data() {
        QTest::addColumn<qint32>("rgb");
        QTest::addColumn<QByteArray>("expected");
        QTest::addRow("black") << 0 << QByteArray("#000000");
        QTest::addRow("white") << 16777215 << QByteArray("#FFFFFF");
        QTest::addRow("red") << 255 << QByteArray("#FF0000");
        QTest::addRow("green") << 65280 << QByteArray("#00FF00");
        QTest::addRow("blue") << 16711680 << QByteArray("#0000FF");
        QTest::addRow("mixed") << (0x0A + 0xB0 * 256 + 0x0C * 65536) << QByteArray("#0AB00C");
        QTest::addRow("high byte ignored") << qint32(0xFF000001) << QByteArray("#010000");
    }

    void htmlColor() {
        QFETCH(qint32, rgb);
        QFETCH(QByteArray, expected);
        QCOMPARE(HtmlColor(rgb), expected);
    }
};

QTEST_GUILESS_MAIN(HtmlTextTest)
#include "tst_htmltext.moc"

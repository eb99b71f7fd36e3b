#include "support/DataRows.h"
#include "web/HtmlText.h"

#include <QTest>

// Texts and addresses as they are written into pages. Each row sits on one side of
// an edge: the last ASCII character and the first above, the controls and the blank.
class HtmlTextTest : public QObject {
    Q_OBJECT
  private Q_SLOTS:
    // Rows: tests/data/htmltext.txt, the text and the expected bytes percent-encoded.
    void htmlText_data() { AddDataRows(QStringLiteral("htmltext.txt")); }
    void htmlText() {
        QFETCH(QString, text);
        QFETCH(QString, lines);
        QFETCH(QString, expected);
        QCOMPARE(HtmlText(QString::fromUtf8(QByteArray::fromPercentEncoding(text.toLatin1())),
                          lines == "no wraps"),
                 QByteArray::fromPercentEncoding(expected.toLatin1()));
    }

    // An address; its href value; the same for a browser to read exactly, when the value
    // ends there and when it goes on ("&amp;" for every "&" it would decode). An empty
    // expectation is the one before it.
    static void addHref(const char* name, const QString& address, const QByteArray& expected,
                        QByteArray literal = {}, QByteArray continued = {}) {
        literal = literal.isEmpty() ? expected : literal;
        QTest::addRow("%s", name) << address << expected << literal
                                  << (continued.isEmpty() ? literal : continued);
    }
    void hrefValue_data() {
        QTest::addColumn<QString>("address");
        QTest::addColumn<QByteArray>("expected");
        QTest::addColumn<QByteArray>("literal");
        QTest::addColumn<QByteArray>("continued");
        addHref("ordinary", "https://www.ibm.com/a?b=1&c=%3A d~",
                "https://www.ibm.com/a?b=1&c=%3A d~");
        addHref("ends the value", "x\" onclick=\"y", "x%22 onclick=%22y");
        addHref("opens a tag", "<script>", "%3Cscript%3E");
        addHref("0x7F, 0x80", QString::fromUtf16(u"\x7f\x80", 2), "\x7F%C2%80");
        addHref("outside ASCII", QString::fromUtf8("caf\u00e9/\u20ac\U0001F4C8"),
                "caf%C3%A9/%E2%82%AC%F0%9F%93%88");
        addHref("controls 0x00, 0x1F, not 0x20", QString::fromUtf16(u"a\0b\nc\x1f d", 8),
                "a%00b%0Ac%1F d");
        addHref("references", "&#58&#X3a;&colon;&ampx;&lt&copy/&not",
                "&#58&#X3a;&colon;&ampx;&lt&copy/&not",
                "&amp;#58&amp;#X3a;&amp;colon;&amp;ampx;&amp;lt&amp;copy/&amp;not");
        addHref("no references", "?a=&b=1&amp=2&notit&#;&#x;&ampx&/",
                "?a=&b=1&amp=2&notit&#;&#x;&ampx&/");
        addHref("open at the end", "?q=&x#&", "?q=&x#&", "?q=&x#&", "?q=&x#&amp;");
    }
    void hrefValue() {
        QFETCH(QString, address);
        QFETCH(QByteArray, expected);
        QFETCH(QByteArray, literal);
        QFETCH(QByteArray, continued);
        std::string value;
        AppendHrefValue(value, address);
        QCOMPARE(QByteArray::fromStdString(value), expected);
        for (const bool goesOn : {false, true}) {
            value.clear();
            AppendLiteralHrefValue(value, address, goesOn);
            QCOMPARE(QByteArray::fromStdString(value), goesOn ? continued : literal);
        }
    }
};

QTEST_GUILESS_MAIN(HtmlTextTest)
#include "tst_htmltext.moc"

#include "support/DataRows.h"
#include "web/HtmlText.h"

#include <QTest>

namespace {
// A field of the row files, which are percent-encoded.
QByteArray decoded(const QString& field) {
    return QByteArray::fromPercentEncoding(field.toLatin1());
}
}  // namespace

// Texts and addresses as they are written into pages. Each row sits on one side of
// an edge: the last ASCII character and the first above, the controls and the blank.
class HtmlTextTest : public QObject {
    Q_OBJECT
  private Q_SLOTS:
    // Rows: tests/data/htmltext.txt.
    void htmlText_data() { AddDataRows(QStringLiteral("htmltext.txt")); }
    void htmlText() {
        QFETCH(QString, text);
        QFETCH(QString, lines);
        QFETCH(QString, expected);
        QCOMPARE(HtmlText(QString::fromUtf8(decoded(text)), lines == "no wraps"),
                 decoded(expected));
    }

    // An address; its href value; the same for a browser to read exactly, when the value
    // ends there and when it goes on ("&amp;" for every "&" it would decode). Rows:
    // tests/data/hrefs.txt, the address percent-encoded, the values as they are (0x7F
    // included); an empty expectation is the one before it.
    void hrefValue_data() { AddDataRows(QStringLiteral("hrefs.txt")); }
    void hrefValue() {
        QFETCH(QString, address);
        QFETCH(QString, expected);
        QFETCH(QString, literal);
        QFETCH(QString, continued);
        literal = literal.isEmpty() ? expected : literal;
        continued = continued.isEmpty() ? literal : continued;
        const QString text = QString::fromUtf8(decoded(address));
        std::string value;
        AppendHrefValue(value, text);
        QCOMPARE(QString::fromLatin1(value), expected);
        for (const bool goesOn : {false, true}) {
            value.clear();
            AppendLiteralHrefValue(value, text, goesOn);
            QCOMPARE(QString::fromLatin1(value), goesOn ? continued : literal);
        }
    }
};

QTEST_GUILESS_MAIN(HtmlTextTest)
#include "tst_htmltext.moc"

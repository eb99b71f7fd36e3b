#include "model/ListAddition.h"
#include "store/ListCsv.h"
#include "store/ListReader.h"
#include "support/Files.h"

#include <QTest>

namespace {
// One line per row: the line number, then type|symbol|description|URL|alternates without the
// empty fields at the end; or the problem.
QString Render(const ListReading& reading) {
    if (!reading.error.isEmpty()) {
        return QStringLiteral("line %1: %2").arg(reading.errorLine).arg(reading.error);
    }
    QStringList lines;
    for (const ListRow& row : reading.rows) {
        const StockRecord& s = row.stock;
        QStringList fields{row.type, s.Stock,  s.Description, s.URL,
                           s.Alt_BC, s.Alt_SM, s.Alt_SP,      s.Alt_YH};
        while (fields.last().isEmpty()) {
            fields.removeLast();
        }
        lines << QString::number(row.line) + u' ' + fields.join(u'|');
    }
    return lines.join(u'\n');
}

QByteArray Utf16WithMark(const QString& text) {
    return QByteArray("\xFF\xFE") +
           QByteArray(reinterpret_cast<const char*>(text.utf16()), text.size() * 2);
}

// Hostile texts: every character CSV quoting is about, line ends of three kinds, non-ASCII.
const QStringList Hostile{
    "Say \"hi\", ok",    "two\r\nlines",     "lf\nand\rcr",   "semi;colon", "tab\tinside",
    "B\u00f6rse \u20ac", "chart \U0001F4C8", "###not a type", "EX:NOT",     "x"};

StockList HostileListAtCapacity() {
    StockList list;
    list.Maxtypes = TypeCapacity - 1;
    list.Maxstocks = StockCapacity - 1;
    for (qint16 t = 0, next = 0; t < TypeCapacity; ++t) {
        // Types 7 and the last have no stocks; the others share the stocks out.
        const int count = t == 7 || t == TypeCapacity - 1 ? 0 : t == 0 ? 21 : 10;
        list.types[t] = {QStringLiteral("Type %1 ").arg(t) + Hostile[t % Hostile.size()], next,
                         qint16(next + count - 1)};
        next += count;
    }
    for (int s = 0; s < StockCapacity; ++s) {
        const auto text = [s](int k) { return Hostile[(s + k) % Hostile.size()]; };
        list.stocks[s] = {QStringLiteral("S%1 ").arg(s) + text(0).toUpper(),
                          text(1),
                          QStringLiteral("https://x.example/?q=") + text(2),
                          text(3).toUpper(),
                          text(4).toUpper(),
                          QString(),
                          text(5).toUpper()};
    }
    return list;
}

// The first type or stock in use that differs, or empty.
QString FirstDifference(const StockList& a, const StockList& b) {
    if (a.Maxtypes != b.Maxtypes || a.Maxstocks != b.Maxstocks) {
        return QStringLiteral("maxima %1 %2, %3 %4")
            .arg(a.Maxtypes)
            .arg(a.Maxstocks)
            .arg(b.Maxtypes)
            .arg(b.Maxstocks);
    }
    for (int t = 0; t <= a.Maxtypes; ++t) {
        if (!(a.types[t] == b.types[t])) {
            return QStringLiteral("type %1: %2 / %3").arg(t).arg(a.types[t].Type, b.types[t].Type);
        }
    }
    for (int s = 0; s <= a.Maxstocks; ++s) {
        if (!(a.stocks[s] == b.stocks[s])) {
            return QStringLiteral("stock %1: %2 / %3")
                .arg(s)
                .arg(a.stocks[s].Stock, b.stocks[s].Stock);
        }
    }
    return {};
}
}  // namespace

class ListReaderTest : public QObject {
    Q_OBJECT
  private Q_SLOTS:
    void reads_data() {
        QTest::addColumn<QByteArray>("input");
        QTest::addColumn<QString>("rows");
        const auto row = [](const char* name, const QByteArray& input, const char* rows) {
            QTest::newRow(name) << input << QString::fromUtf8(rows);
        };
        row("plain, every separator", "aapl, msft;ibm\tGE\r\nT  F\n\n;X",
            "1 |aapl\n1 |msft\n1 |ibm\n1 |GE\n2 |T\n2 |F\n4 |X");
        row("plain, CR line ends", "A\rB\r\rC", "1 |A\n2 |B\n4 |C");
        row("plain keeps an exchange when not all have one", "I:INDU IBM", "1 |I:INDU\n1 |IBM");
        row("watchlist with types",
            "###Indices,TVC:DJI,SP:SPX\n###Big Tech\nNASDAQ:AAPL,NYSE:BRK.B,MSFT\n###\nLSE:VOD",
            "1 Indices\n1 Indices|DJI\n1 Indices|SPX\n2 Big Tech\n3 Big Tech|AAPL\n3 Big "
            "Tech|BRK.B\n3 Big Tech|MSFT\n5 |VOD");
        row("watchlist without types", "NASDAQ:AAPL,\nFX_IDC:EURUSD", "1 |AAPL\n2 |EURUSD");
        row("CSV, comma, quoting",
            "Symbol,Name,Sector,Notes\nAAPL,\"Apple, "
            "Inc.\",Tech,x\n\"MS\"\"FT\",\"Micro\r\nsoft\",,\n\nIBM\n",
            "2 Tech|AAPL|Apple, Inc.\n3 |MS\"FT|Micro\r\nsoft\n6 |IBM");
        row("CSV, semicolon, blanks around fields", "Ticker;Company;Category\n SAP ; SAP SE ;DAX\n",
            "2 DAX|SAP|SAP SE");
        row("CSV, tab, URL and the sites' columns",
            "code\tDESCRIPTION\turl\tYahoo\tBigCharts\tWatchlist\nX\tEx\thttp://x\t^X\tXB\tW\n",
            "2 W|X|Ex|http://x|XB|||^X");
        row("CSV, the first of two symbol columns, after blank lines",
            "\n  \nCode,Symbol\nA,B\n,\n", "4 |A");
        row("CSV of one column", "Symbol\nA\nB", "2 |A\n3 |B");
        row("UTF-8 with its mark", "\xEF\xBB\xBFSymbol,Name\nSIE,M\xC3\xBCnchen",
            "2 |SIE|M\u00fcnchen");
        row("UTF-16 with its mark", Utf16WithMark(u"Symbol;Name\r\nNESN;Nestl\u00e9 \U0001F4C8"_qs),
            "2 |NESN|Nestl\u00e9 \U0001F4C8");
        row("Windows-1252", "Symbol,Name\nBAYN,Bayer \xE4\x80", "2 |BAYN|Bayer \u00e4\u20ac");
        row("NUL byte", QByteArray("AAPL\nMS\0FT", 10),
            "line 2: holds the control character U+0000, so it is not a list");
        row("binary", "\x89PNG\r\n\x1A\n",
            "line 2: holds the control character U+001A, so it is not a list");
        row("only delimiters", ",;, \n\t;;\r\n", "line 0: holds no stock symbols");
        row("nothing", "", "line 0: holds no stock symbols");
        row("a header without rows", "Symbol,Name\n", "line 0: holds no stock symbols");
        row("a header without a symbol column", "\nName,Type\nApple,Tech",
            "line 2: the header names no symbol column (Symbol, Ticker or Code)");
        row("unclosed quote", "Symbol,Name\nA,\"open\nB,b\n",
            "line 2: a quote that is never closed");
        row("quote inside a field", "Symbol,Name\nA,a\nB,5\" disk\n",
            "line 3: a quote in the wrong place");
        row("one row too many", QByteArray("A\n").repeated(MaxListRows) + "B",
            "line 100001: more than 100000 rows");
        row("one CSV row too many", "Symbol\n" + QByteArray("A\n").repeated(MaxListRows + 1),
            "line 100002: more than 100000 rows");
    }
    void reads() {
        QFETCH(QByteArray, input);
        QFETCH(QString, rows);
        QCOMPARE(Render(ReadList(input)), rows);
    }

    // The bytes a spreadsheet gets: header, quoting only where needed, CR LF, an empty type.
    void writesCsv() {
        StockList list;
        list.Maxtypes = 1;
        list.Maxstocks = 1;
        list.types[0] = {QStringLiteral("Tech, \"big\""), 0, 1};
        list.types[1] = {QStringLiteral("Empty"), 2, 1};
        list.stocks[0] = {"IBM", "IBM", "https://www.ibm.com/", "", "", "", ""};
        list.stocks[1] = {"A B", " two\r\nlines", "", "X,Y", "\"Q\"", "tab\t", "\u20ac"};
        QCOMPARE(ListCsv(list), readFile(QT_TESTCASE_SOURCEDIR "/data/lists/written.csv"));
    }

    void csvRoundTripAtCapacity() {
        const StockList original = HostileListAtCapacity();
        const ListReading reading = ReadList(ListCsv(original));
        QVERIFY2(reading.error.isEmpty(), qPrintable(reading.error));
        Model copy;
        ApplyDefaults(copy);
        const ListAddition addition = PlanListAddition(copy.list, reading.rows, -1);
        QCOMPARE(AdditionSummary(addition, false),
                 "1001 to add, 101 new types, 0 duplicates, 0 refused");
        AddListRows(copy, addition);
        QCOMPARE(FirstDifference(copy.list, original), QString());
    }
};

QTEST_MAIN(ListReaderTest)
#include "tst_listreader.moc"

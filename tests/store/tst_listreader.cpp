#include "model/ListAddition.h"
#include "store/ListCsv.h"
#include "store/ListReader.h"
#include "support/Files.h"

#include <QDir>
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

// Hostile texts: every character CSV quoting is about, line ends of three kinds, non-ASCII.
const QStringList Hostile{
    "Say \"hi\", ok",    "two\r\nlines",     "lf\nonly",      "semi;colon", "tab\tinside",
    "B\u00f6rse \u20ac", "chart \U0001F4C8", "###not a type", "EX:NOT",     "cr\ronly"};

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

}  // namespace

class ListReaderTest : public QObject {
    Q_OBJECT
  private Q_SLOTS:
    // Every tests/data/lists/read/NAME.list reads as NAME.rows says: its rows or the problem.
    void reads_data() {
        QTest::addColumn<QByteArray>("input");
        QTest::addColumn<QString>("rows");
        const QDir files(QStringLiteral(QT_TESTCASE_SOURCEDIR "/data/lists/read"));
        for (const QString& name : files.entryList({QStringLiteral("*.list")})) {
            QTest::newRow(qPrintable(name))
                << readFile(files.filePath(name))
                << QString::fromUtf8(readFile(files.filePath(name.chopped(4) + "rows")));
        }
        QTest::newRow("one row too many") << QByteArray("A\n").repeated(MaxListRows) + "B"
                                          << "line 100001: more than 100000 rows";
        QTest::newRow("one CSV row too many")
            << "Symbol\n" + QByteArray("A\n").repeated(MaxListRows + 1)
            << "line 100002: more than 100000 rows";
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
        list.stocks[1] = {"A B", " two\r\nlines", " x", "X,Y", "\"Q\"", "tab\t", "\u20ac"};
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
        // Every place is in use, so the whole lists compare.
        QVERIFY(copy.list == original);
    }
};

QTEST_MAIN(ListReaderTest)
#include "tst_listreader.moc"

#include "listfiles/ListCsv.h"
#include "listfiles/ListReader.h"
#include "model/ListAddition.h"
#include "model/Markets.h"
#include "support/Files.h"
#include "support/RandomText.h"
#include "support/TestSeed.h"

#include <QDir>
#include <QTest>

namespace {
// The stock's texts in StockText order.
QStringList Fields(const StockRecord& s) {
    return QStringList{s.Stock, s.Description, s.URL} +
           QStringList(s.Alternates.begin(), s.Alternates.end()) + QStringList{s.Exchange};
}

// One line per row: the line number, then type|symbol|description|URL|alternates|exchange
// without the empty fields at the end, and a line for each column left out; or the problem.
QString Render(const ListReading& reading) {
    if (!reading.error.isEmpty()) {
        return QStringLiteral("line %1: %2").arg(reading.errorLine).arg(reading.error);
    }
    QStringList lines;
    for (const ListRow& row : reading.rows) {
        QStringList fields = QStringList{row.type} + Fields(row.stock);
        while (fields.last().isEmpty()) {
            fields.removeLast();
        }
        lines << QString::number(row.line) + u' ' + fields.join(u'|');
    }
    return (lines + reading.unreadColumns).join(u'\n');
}

// Hostile texts: every character CSV quoting is about, line ends of three kinds, non-ASCII.
const QStringList Hostile{
    "Say \"hi\", ok",    "two\r\nlines",     "lf\nonly",      "semi;colon", "tab\tinside",
    "B\u00f6rse \u20ac", "chart \U0001F4C8", "###not a type", "EX:NOT",     "cr\ronly"};

QString ExchangeNumber(qsizetype n) {
    return QString::fromLatin1(Markets()[size_t(n) % Markets().size()].code);
}

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
                          text(5).toUpper(),
                          s % 3 ? QString() : ExchangeNumber(s)};
    }
    return list;
}

// Every text of the list, type by type.
QStringList Texts(const StockList& list) {
    QStringList texts;
    for (qint16 t = 0; t <= list.Maxtypes; ++t) {
        texts << "type " + list.types[t].Type;
        for (qint16 s = list.types[t].Lowstock; s <= list.types[t].Histock; ++s) {
            texts << Fields(list.stocks[s]).join(u'|');
        }
    }
    return texts;
}

// A list the editors could hold, of texts that CSV and spreadsheets trip over: type names
// that differ only in case, a symbol twice in one type, empty types, quotes, commas, line
// breaks, non-ASCII and formula starts.
StockList RandomList(QRandomGenerator& random) {
    static const QStringList pool{"a", "B", ",",      "\"",     "'",         "=",  "+",
                                  "-", "@", " ",      "\t",     "\r\n",      "\n", "\r",
                                  ";", "#", "\u00e9", "\u20ac", "\U0001F4C8"};
    const auto text = [&](int maxLength) { return RandomText(random, pool, maxLength).trimmed(); };
    const auto filled = [&](int maxLength) {
        QString filled;
        while (filled.isEmpty()) {
            filled = text(maxLength);
        }
        return filled;
    };
    StockList list;
    QStringList names;
    for (int t = random.bounded(1, 7); t > 0; --t) {
        QString name = names.isEmpty() || random.bounded(2) ? filled(5) : names.last().toUpper();
        while (names.contains(name)) {
            name += u'#';
        }
        names << name;
        const qint16 first = qint16(list.Maxstocks + 1);
        for (int s = random.bounded(4); s > 0; --s) {
            const bool twice = list.Maxstocks >= first && random.bounded(3) == 0;
            const QString symbol = twice ? list.stocks[list.Maxstocks].Stock : filled(4).toUpper();
            list.stocks[++list.Maxstocks] = {
                symbol,
                filled(6),
                text(6),
                text(3).toUpper(),
                text(3).toUpper(),
                text(3).toUpper(),
                text(3).toUpper(),
                random.bounded(3) ? QString() : ExchangeNumber(random.bounded(99))};
        }
        list.types[++list.Maxtypes] = {name, first, list.Maxstocks};
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
        list.Maxstocks = 2;
        list.types[0] = {QStringLiteral("Tech, \"big\""), 0, 2};
        list.types[1] = {QStringLiteral("Empty"), 3, 2};
        list.stocks[0] = {"IBM", "IBM", "https://www.ibm.com/", "", "", "", ""};
        list.stocks[1] = {"A B", " two\r\nlines", " x", "X,Y", "\"Q\"", "tab\t", "\u20ac"};
        // Formulas a spreadsheet would work out, and apostrophes of the texts' own.
        list.stocks[2] = {"=1+1", "@SUM(1)", "-x", "+y", "'=z", "\tt", "'plain"};
        QCOMPARE(ListCsv(list), readFile(QT_TESTCASE_SOURCEDIR "/data/lists/written.csv"));
    }

    void csvRoundTripAtCapacity() {
        const StockList original = HostileListAtCapacity();
        const ListReading reading = ReadList(ListCsv(original));
        QVERIFY2(reading.error.isEmpty(), qPrintable(reading.error));
        Model copy;
        ApplyDefaults(copy, QString());
        const ListAddition addition = PlanListAddition(copy.list, reading.rows, -1, {});
        QCOMPARE(AdditionSummary(addition, false),
                 "1001 to add, 101 new types, 0 duplicates, 0 refused");
        AddListRows(copy, addition);
        // Every place is in use, so the whole lists compare.
        QVERIFY(copy.list == original);
    }

    void csvRoundTripOfRandomLists() {
        QRandomGenerator random(TestSeed());
        for (int round = 0; round < 300; ++round) {
            const StockList original = RandomList(random);
            const QByteArray csv = ListCsv(original);
            Model copy;
            ApplyDefaults(copy, QString());
            AddListRows(copy, PlanListAddition(copy.list, ReadList(csv).rows, -1, {}));
            QVERIFY2(Texts(copy.list) == Texts(original), csv.constData());
        }
    }
};

QTEST_MAIN(ListReaderTest)
#include "tst_listreader.moc"

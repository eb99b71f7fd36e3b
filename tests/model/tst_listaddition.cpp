#include "model/ListAddition.h"
#include "model/StockEntry.h"
#include "support/DataRows.h"
#include "support/EditingHarness.h"
#include "support/Files.h"

#include <QDir>
#include <QTest>

namespace {
// Rows written "type|symbol|description|url|BigCharts symbol|exchange", one per line of `text`.
ListRows Rows(const QString& text) {
    ListRows rows;
    for (const QString& line : text.split(u'\n')) {
        const QStringList f = line.split(u'|');
        ListRow& row = rows.emplace_back();
        row.line = qsizetype(rows.size());
        row.type = f.value(0);
        row.stock = {f.value(1), f.value(2), f.value(3), f.value(4), {}, {}, {}, f.value(5)};
    }
    return rows;
}

// What happens to each row (with the fix of a refused one) and where it goes, then the
// summary, one to a line.
QString Outcome(const ListAddition& addition) {
    QStringList rows;
    for (const PlannedRow& row : addition.rows) {
        rows << ActionHelp(row) + (row.typeName.isEmpty() ? QString() : " @ " + row.typeName);
    }
    return (rows << AdditionSummary(addition, false)).join(u'\n');
}
}  // namespace

class ListAdditionTest : public QObject {
    Q_OBJECT
  private Q_SLOTS:
    // Every tests/data/lists/plan/NAME.rows (the type index for rows that name none, and after
    // a blank the list when it is not "Tech:ibm|Banks:jpm" ("|": empty); then the rows; LONG is
    // a text one longer than the editors hold) gives NAME.outcome. A type the rows start
    // without naming it is "Listed".
    void plansEachRow_data() {
        QTest::addColumn<QString>("rows");
        QTest::addColumn<QString>("outcome");
        const QDir files(QStringLiteral(QT_TESTCASE_SOURCEDIR "/data/lists/plan"));
        for (const QString& name : files.entryList({QStringLiteral("*.rows")})) {
            QTest::newRow(qPrintable(name))
                << QString::fromUtf8(readFile(files.filePath(name)))
                << QString::fromUtf8(readFile(files.filePath(name.chopped(4) + "outcome")));
        }
    }
    void plansEachRow() {
        QFETCH(QString, rows);
        QFETCH(QString, outcome);
        QStringList lines = rows.replace("LONG", QString(EntryMaxLength + 1, u'a'))
                                .split(u'\n', Qt::SkipEmptyParts);
        const QStringList head = lines.takeFirst().split(u' ');
        EditingHarness h(head.value(1, QStringLiteral("Tech:ibm|Banks:jpm")));
        QCOMPARE(Outcome(PlanListAddition(h.model.list, Rows(lines.join(u'\n')),
                                          qint16(head[0].toShort()), QStringLiteral("Listed"))),
                 outcome.trimmed());
    }

    void rowBecomesWhatTheEditorStores() {
        const ListAddition addition =
            PlanListAddition(StockList(), Rows(" Tech | aapl\u00df | | http:// | bc "), -1, {});
        const PlannedRow& row = addition.rows.front();
        QCOMPARE(row.row.type, QStringLiteral("Tech"));
        QCOMPARE(row.row.stock, (StockRecord{"AAPLSS", "AAPLSS", "", {"BC", "", "", ""}}));
    }

    // The list may fill every place; one row more and nothing is added.
    // Rows: tests/data/capacities.txt, the rows added separated by ";".
    void capacities_data() { AddDataRows(QStringLiteral("capacities.txt")); }
    void capacities() {
        QFETCH(QString, typesFree);
        QFETCH(QString, stocksFree);
        QFETCH(QString, rows);
        QFETCH(QString, refusal);
        Model model;
        model.list.Maxtypes = qint16(TypeCapacity - 1 - typesFree.toInt());
        model.list.Maxstocks = qint16(StockCapacity - 1 - stocksFree.toInt());
        // The first type holds every stock.
        for (qint16 t = 0; t <= model.list.Maxtypes; ++t) {
            model.list.types[t] = {u'T' + QString::number(t),
                                   qint16(t ? model.list.Maxstocks + 1 : 0), model.list.Maxstocks};
        }
        const Model before = model;
        const ListAddition addition =
            PlanListAddition(model.list, Rows(rows.replace(u';', u'\n')), 0, {});
        QCOMPARE(CapacityRefusal(addition), refusal);
        AddListRows(model, addition);
        QCOMPARE(model == before, !refusal.isEmpty());
        QVERIFY(CheckInvariants(model.list));
    }

    // Stocks go to the ends of their types, new types to the end of the list; the first stock
    // of the list is found where later additions have moved it.
    void addsInOneStep() {
        EditingHarness h(QStringLiteral("A:a|B:"));
        const ListAddition addition =
            PlanListAddition(h.model.list, Rows("B|x\nA|y\nC|z\nD|\nb|w"), 0, {});
        const ListAdded added = AddListRows(h.model, addition);
        QCOMPARE(h.list(), QStringLiteral("A:a,Y|B:X,W|C:Z|D:"));
        QCOMPARE(h.model.list.stocks[added.firstStock].Stock, QStringLiteral("X"));
        QCOMPARE(added.firstNewType, qint16(2));
        QVERIFY(h.model.SettingsChanged);
        QVERIFY(CheckInvariants(h.model.list));
    }
};

QTEST_MAIN(ListAdditionTest)
#include "tst_listaddition.moc"

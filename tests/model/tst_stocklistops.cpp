#include "model/Model.h"
#include "model/StockListOps.h"

#include <QRandomGenerator>
#include <QTest>
#include <vector>

namespace {
// A plain reference of the list: type names with their stocks' symbols, in order.
struct RefType {
    QString name;
    QStringList stocks;
};
using Reference = std::vector<RefType>;

StockRecord stockNamed(const QString& symbol) {
    return StockRecord{symbol,
                       symbol + QStringLiteral(" Inc"),
                       QStringLiteral("https://") + symbol,
                       symbol + QStringLiteral(".B"),
                       {},
                       {},
                       symbol + QStringLiteral(".Y")};
}

// Builds the model's list from a reference; stock symbols are unique in the tests.
void load(Model& model, const Reference& reference) {
    ApplyDefaults(model);
    for (const RefType& type : reference) {
        const qint16 t = AppendType(model, type.name);
        for (const QString& symbol : type.stocks) {
            Add_Stock(model, t, stockNamed(symbol));
        }
    }
    RebuildStockTypeIndex(model.list);
    model.SettingsChanged = false;
}

Reference referenceOf(const Model& model) {
    Reference reference;
    const StockList& list = model.list;
    for (qint16 t = 0; t <= list.Maxtypes; ++t) {
        RefType type{list.types[t].Type, {}};
        for (qint16 s = list.types[t].Lowstock; s <= list.types[t].Histock; ++s) {
            type.stocks << list.stocks[s].Stock;
        }
        reference.push_back(type);
    }
    return reference;
}

QString describe(const Reference& reference) {
    QStringList parts;
    for (const RefType& type : reference) {
        parts << type.name + u'[' + type.stocks.join(u',') + u']';
    }
    return parts.join(u' ');
}

void verifyList(const Model& model, const Reference& expected) {
    QString problem;
    QVERIFY2(CheckInvariants(model.list, &problem), qPrintable(problem));
    QCOMPARE(describe(referenceOf(model)), describe(expected));
    for (qint16 s = 0; s <= model.list.Maxstocks; ++s) {
        QCOMPARE(model.list.stocks[s], stockNamed(model.list.stocks[s].Stock));
    }
}

const Reference starter{
    {QStringLiteral("Indices"), {QStringLiteral("DJIA"), QStringLiteral("SPX")}},
    {QStringLiteral("Empty"), {}},
    {QStringLiteral("Tech"),
     {QStringLiteral("IBM"), QStringLiteral("MSFT"), QStringLiteral("AOL")}}};
}  // namespace

Q_DECLARE_METATYPE(Reference)

class StockListOpsTest : public QObject {
    Q_OBJECT
  private Q_SLOTS:
    void swapGroupExchangesNeighbouringTypes_data() {
        QTest::addColumn<Reference>("before");
        QTest::addColumn<int>("lastgroup");
        QTest::addColumn<Reference>("after");
        const QString a = QStringLiteral("A"), b = QStringLiteral("B"), c = QStringLiteral("C");
        QTest::newRow("three stocks and an empty type")
            << Reference{{a, {"a1", "a2", "a3"}}, {b, {}}} << 1
            << Reference{{b, {}}, {a, {"a1", "a2", "a3"}}};
        QTest::newRow("two and three stocks after five others")
            << Reference{{c, {"c1", "c2", "c3", "c4", "c5"}},
                         {a, {"a1", "a2"}},
                         {b, {"b1", "b2", "b3"}}}
            << 2
            << Reference{
                   {c, {"c1", "c2", "c3", "c4", "c5"}}, {b, {"b1", "b2", "b3"}}, {a, {"a1", "a2"}}};
        QTest::newRow("two empty types") << Reference{{a, {}}, {b, {}}, {c, {"c1"}}} << 1
                                         << Reference{{b, {}}, {a, {}}, {c, {"c1"}}};
    }
    void swapGroupExchangesNeighbouringTypes() {
        QFETCH(Reference, before);
        QFETCH(int, lastgroup);
        QFETCH(Reference, after);
        Model model;
        load(model, before);
        Swap_Group(model, static_cast<qint16>(lastgroup));
        QVERIFY(model.SettingsChanged);
        verifyList(model, after);
    }

    void swapGroupKeepsTheJointRangeInPlace() {
        Model model;
        load(model, {{QStringLiteral("C"), {"c1", "c2", "c3", "c4", "c5"}},
                     {QStringLiteral("A"), {"a1", "a2"}},
                     {QStringLiteral("B"), {"b1", "b2", "b3"}}});
        Swap_Group(model, 2);
        QCOMPARE(model.list.types[1].Lowstock, qint16(5));
        QCOMPARE(model.list.types[1].Histock, qint16(7));
        QCOMPARE(model.list.types[2].Lowstock, qint16(8));
        QCOMPARE(model.list.types[2].Histock, qint16(9));
    }

    void swapGroupOnTheStarterList() {
        Model model;
        ApplyDefaults(model);
        DefaultStockList(model);
        Swap_Group(model, 1);
        QCOMPARE(model.list.types[0].Type, QStringLiteral("Internet Stocks"));
        QCOMPARE(model.list.stocks[0].Description, QStringLiteral("America Online"));
        QCOMPARE(model.list.stocks[2].Description, QStringLiteral("Microsoft"));
        QCOMPARE(model.list.types[1].Lowstock, qint16(3));
        QCOMPARE(model.list.types[1].Histock, qint16(5));
        QCOMPARE(model.list.stocks[3].Description, QStringLiteral("Dow Industrials"));
    }

    void addStockAppendsToItsType_data() {
        QTest::addColumn<int>("type");
        QTest::addColumn<int>("expectedIndex");
        QTest::addColumn<Reference>("after");
        QTest::newRow("empty middle type")
            << 1 << 2 << Reference{starter[0], {QStringLiteral("Empty"), {"NEW"}}, starter[2]};
        QTest::newRow("last type shifts nothing")
            << 2 << 5
            << Reference{
                   starter[0], starter[1], {QStringLiteral("Tech"), {"IBM", "MSFT", "AOL", "NEW"}}};
        QTest::newRow("first type")
            << 0 << 2
            << Reference{
                   {QStringLiteral("Indices"), {"DJIA", "SPX", "NEW"}}, starter[1], starter[2]};
    }
    void addStockAppendsToItsType() {
        QFETCH(int, type);
        QFETCH(int, expectedIndex);
        QFETCH(Reference, after);
        Model model;
        load(model, starter);
        QCOMPARE(
            int(Add_Stock(model, static_cast<qint16>(type), stockNamed(QStringLiteral("NEW")))),
            expectedIndex);
        QVERIFY(model.SettingsChanged);
        verifyList(model, after);
    }

    void deleteStockShrinksItsOwner_data() {
        QTest::addColumn<Reference>("before");
        QTest::addColumn<int>("stock");
        QTest::addColumn<Reference>("after");
        QTest::newRow("first of the list")
            << starter << 0
            << Reference{{QStringLiteral("Indices"), {"SPX"}}, starter[1], starter[2]};
        QTest::newRow("last of the list")
            << starter << 4
            << Reference{starter[0], starter[1], {QStringLiteral("Tech"), {"IBM", "MSFT"}}};
        QTest::newRow("only stock of a type")
            << Reference{{QStringLiteral("A"), {"a1"}}, {QStringLiteral("B"), {"b1"}}} << 0
            << Reference{{QStringLiteral("A"), {}}, {QStringLiteral("B"), {"b1"}}};
    }
    void deleteStockShrinksItsOwner() {
        QFETCH(Reference, before);
        QFETCH(int, stock);
        QFETCH(Reference, after);
        Model model;
        load(model, before);
        Delete_Stock(model, static_cast<qint16>(stock));
        QVERIFY(model.SettingsChanged);
        verifyList(model, after);
    }

    void emptiedTypeCanBeDeleted() {
        Model model;
        load(model, {{QStringLiteral("A"), {"a1"}}, {QStringLiteral("B"), {"b1", "b2"}}});
        Delete_Stock(model, 0);
        QCOMPARE(model.list.types[0].Histock, qint16(model.list.types[0].Lowstock - 1));
        DeleteType(model, 0);
        verifyList(model, {{QStringLiteral("B"), {"b1", "b2"}}});
    }

    void deletingAnEmptyMiddleTypeKeepsLaterRanges() {
        Model model;
        load(model, starter);
        DeleteType(model, 1);
        QCOMPARE(model.list.types[1].Type, QStringLiteral("Tech"));
        QCOMPARE(model.list.types[1].Lowstock, qint16(2));
        QCOMPARE(model.list.types[1].Histock, qint16(4));
        verifyList(model, {starter[0], starter[2]});
    }

    void appendTypeStartsAfterTheLastStock() {
        Model model;
        ApplyDefaults(model);
        QCOMPARE(AppendType(model, QStringLiteral("First")), qint16(0));
        QCOMPARE(model.list.types[0].Lowstock, qint16(0));
        QCOMPARE(model.list.types[0].Histock, qint16(-1));
        DefaultStockList(model);
        QCOMPARE(AppendType(model, QStringLiteral("New")), qint16(3));
        QCOMPARE(model.list.types[3].Lowstock, qint16(8));
        QCOMPARE(model.list.types[3].Histock, qint16(7));
    }

    // Random operations against a plain reference list: any mix-up of ranges or records shows.
    void randomSequenceKeepsListAndReferenceEqual() {
        QRandomGenerator random(20261206);
        Model model;
        Reference reference;
        load(model, reference);
        int nextSymbol = 0;
        for (int step = 0; step < 3000; ++step) {
            RebuildStockTypeIndex(model.list);
            applyRandomOperation(model, reference, random, nextSymbol);
            verifyList(model, reference);
            if (QTest::currentTestFailed()) {
                qWarning("failed at step %d", step);
                return;
            }
        }
    }

  private:
    static void applyRandomOperation(Model& model, Reference& reference, QRandomGenerator& random,
                                     int& nextSymbol) {
        const int types = int(reference.size());
        const auto anyType = [&] { return qint16(random.bounded(types)); };
        switch (random.bounded(7)) {
            case 0:
                if (types < TypeAddLimit) {
                    const QString name = QStringLiteral("T%1").arg(nextSymbol++);
                    AppendType(model, name);
                    reference.push_back({name, {}});
                }
                break;
            case 1:
            case 2:
                if (types > 0 && model.list.Maxstocks < StockAddLimit - 1) {
                    const qint16 t = anyType();
                    const TypeRecord& range = model.list.types[t];
                    const qint16 at =
                        range.Lowstock + random.bounded(range.Histock - range.Lowstock + 2);
                    const QString symbol = QStringLiteral("S%1").arg(nextSymbol++);
                    reference[t].stocks.insert(at - range.Lowstock, symbol);
                    InsertStock(model, at, t, stockNamed(symbol));
                }
                break;
            case 3:
                if (model.list.Maxstocks >= 0) {
                    const qint16 s = qint16(random.bounded(model.list.Maxstocks + 1));
                    const qint16 t = model.list.StockTypeIndex[s];
                    reference[t].stocks.removeAt(s - model.list.types[t].Lowstock);
                    Delete_Stock(model, s);
                }
                break;
            case 4:
                if (types > 1) {
                    const qint16 t = qint16(1 + random.bounded(types - 1));
                    std::swap(reference[t - 1], reference[t]);
                    Swap_Group(model, t);
                }
                break;
            case 5:
                if (model.list.Maxstocks >= 1) {
                    const qint16 s = qint16(random.bounded(model.list.Maxstocks));
                    const qint16 t = model.list.StockTypeIndex[s];
                    if (s < model.list.types[t].Histock) {
                        reference[t].stocks.swapItemsAt(s - model.list.types[t].Lowstock,
                                                        s + 1 - model.list.types[t].Lowstock);
                        Swap_Stock(model, s, s + 1);
                    }
                }
                break;
            default:
                if (types > 0) {
                    const qint16 t = anyType();
                    if (!model.list.typeHasStocks(t)) {
                        reference.erase(reference.begin() + t);
                        DeleteType(model, t);
                    }
                }
                break;
        }
    }
};

QTEST_GUILESS_MAIN(StockListOpsTest)
#include "tst_stocklistops.moc"

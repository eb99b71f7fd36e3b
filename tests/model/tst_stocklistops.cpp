#include "model/Model.h"
#include "model/StockListOps.h"
#include "support/TestSeed.h"

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

// Every field differs, so a field left behind by a move shows.
StockRecord stockNamed(const QString& symbol) {
    const auto with = [&symbol](const char* suffix) { return symbol + QLatin1String(suffix); };
    return StockRecord{symbol,     with(" Inc"), QStringLiteral("https://") + symbol,
                       with(".B"), with(".M"),   with(".P"),
                       with(".Y")};
}

QString describe(const Reference& reference) {
    QStringList parts;
    for (const RefType& type : reference) {
        parts << type.name + u'[' + type.stocks.join(u',') + u']';
    }
    return parts.join(u' ');
}

Reference referenceOf(const StockList& list) {
    Reference reference;
    for (qint16 t = 0; t <= list.Maxtypes; ++t) {
        RefType type{list.types[t].Type, {}};
        for (qint16 s = list.types[t].Lowstock; s <= list.types[t].Histock; ++s) {
            type.stocks << list.stocks[s].Stock;
        }
        reference.push_back(type);
    }
    return reference;
}

// `types` types, the stocks dealt out round the types.
Reference referenceOfSize(int types, int stocks) {
    Reference reference(types);
    for (int t = 0; t < types; ++t) {
        reference[t].name = QStringLiteral("T%1").arg(t);
    }
    for (int s = 0; s < stocks; ++s) {
        reference[s % types].stocks << QStringLiteral("S%1").arg(s);
    }
    return reference;
}

void load(Model& model, const Reference& reference) {
    ApplyDefaults(model);
    for (const RefType& type : reference) {
        const qint16 t = AppendType(model, type.name);
        for (const QString& symbol : type.stocks) {
            Add_Stock(model, t, stockNamed(symbol));
        }
    }
}

bool listMatches(const StockList& list, const Reference& expected, QString* problem) {
    if (!CheckInvariants(list, problem)) {
        return false;
    }
    if (describe(referenceOf(list)) != describe(expected)) {
        *problem = QStringLiteral("list %1, expected %2")
                       .arg(describe(referenceOf(list)), describe(expected));
        return false;
    }
    for (qint16 s = 0; s <= list.Maxstocks; ++s) {
        if (list.stocks[s] != stockNamed(list.stocks[s].Stock)) {
            *problem = QStringLiteral("fields of stock %1 mixed up").arg(s);
            return false;
        }
    }
    return true;
}
}  // namespace

// The list operations against a plain reference list, from an empty list and from one at
// full capacity: any mix-up of ranges or records, or a write past an array, shows.
class StockListOpsTest : public QObject {
    Q_OBJECT
  private Q_SLOTS:
    void randomOperationsMatchTheReference_data() {
        QTest::addColumn<int>("types");
        QTest::addColumn<int>("stocks");
        QTest::newRow("from empty") << 0 << 0;
        QTest::newRow("full: 101 types, 1001 stocks") << TypeCapacity << StockCapacity;
    }

    void randomOperationsMatchTheReference() {
        QFETCH(int, types);
        QFETCH(int, stocks);
        QRandomGenerator random(TestSeed());
        Reference reference = referenceOfSize(types, stocks);
        Model model;
        load(model, reference);
        int nextSymbol = stocks;
        for (int step = 0; step < 3000; ++step) {
            RebuildStockTypeIndex(model.list);
            model.SettingsChanged = false;
            QString problem;
            const bool changed =
                applyRandomOperation(model, reference, random, nextSymbol, &problem);
            QVERIFY2(problem.isEmpty() && listMatches(model.list, reference, &problem),
                     qPrintable(QStringLiteral("step %1: %2").arg(step).arg(problem)));
            QVERIFY2(model.SettingsChanged == changed, qPrintable(QString::number(step)));
        }
    }

  private:
    // Applies one operation with valid arguments, or an add to a full list, which must change
    // nothing. Returns whether the list changed.
    static bool applyRandomOperation(Model& model, Reference& reference, QRandomGenerator& random,
                                     int& nextSymbol, QString* problem) {
        StockList& list = model.list;
        const int types = int(reference.size());
        const bool stocksFull = list.stockCount() == StockCapacity;
        const QString symbol = QStringLiteral("S%1").arg(nextSymbol++);
        switch (random.bounded(8)) {
            case 0:
                if (types == TypeCapacity) {
                    return AppendType(model, symbol) != -1;
                }
                reference.push_back({symbol, {}});
                return AppendType(model, symbol) == types;
            case 1:
            case 2: {
                if (types == 0) {
                    return false;
                }
                const qint16 t = qint16(random.bounded(types));
                const TypeRecord& range = list.types[t];
                const qint16 at =
                    range.Lowstock + random.bounded(range.Histock - range.Lowstock + 2);
                if (!stocksFull) {
                    reference[t].stocks.insert(at - range.Lowstock, symbol);
                }
                return InsertStock(model, at, t, stockNamed(symbol));
            }
            case 3:
            case 4: {
                if (list.Maxstocks < 0) {
                    return false;
                }
                const qint16 s = qint16(random.bounded(list.Maxstocks + 1));
                const qint16 from = list.StockTypeIndex[s];
                const qint16 to = qint16(random.bounded(types));
                if (random.bounded(2)) {
                    reference[from].stocks.removeAt(s - list.types[from].Lowstock);
                    Delete_Stock(model, s);
                    return true;
                }
                if (to != from) {
                    reference[to].stocks.append(
                        reference[from].stocks.takeAt(s - list.types[from].Lowstock));
                }
                const qint16 placed = MoveStockToType(model, s, to);
                if (placed != (to == from ? s : list.types[to].Histock)) {
                    *problem = QStringLiteral("moved stock not reported at the end of its type");
                }
                return true;
            }
            case 5: {
                if (types < 2) {
                    return false;
                }
                const qint16 t = qint16(1 + random.bounded(types - 1));
                std::swap(reference[t - 1], reference[t]);
                Swap_Group(model, t);
                return true;
            }
            case 6: {
                if (list.Maxstocks < 1) {
                    return false;
                }
                const qint16 s = qint16(random.bounded(list.Maxstocks));
                const qint16 t = list.StockTypeIndex[s];
                if (s == list.types[t].Histock) {
                    return false;
                }
                reference[t].stocks.swapItemsAt(s - list.types[t].Lowstock,
                                                s + 1 - list.types[t].Lowstock);
                Swap_Stock(model, s, s + 1);
                return true;
            }
            default: {
                const qint16 t = qint16(random.bounded(qMax(types, 1)));
                if (types == 0 || list.typeHasStocks(t)) {
                    return false;
                }
                reference.erase(reference.begin() + t);
                DeleteType(model, t);
                return true;
            }
        }
    }
};

QTEST_GUILESS_MAIN(StockListOpsTest)
#include "tst_stocklistops.moc"

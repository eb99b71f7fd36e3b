#include "store/StoredStockList.h"

#include "store/StoreLayout.h"
#include "store/StoredValue.h"

#include <algorithm>
#include <limits>

namespace {
// Marks a range key that was missing or unreadable.
constexpr qint16 unreadRange = std::numeric_limits<qint16>::min();

// Reads one of the maxima (-1 when missing); returns what was wrong with it, if anything.
QString readMaximum(const SettingsStore& store, const QString& key, qint16& maximum, int capacity) {
    maximum = -1;
    const auto text = store.GetValue(StockListSectionName, key);
    if (text && !ReadStoredText({key, &maximum}, *text)) {
        return QStringLiteral("%1 \"%2\" is not a number").arg(key, *text);
    }
    if (maximum < -1 || maximum >= capacity) {
        const QString problem =
            QStringLiteral("%1 %2 is beyond the capacity").arg(key).arg(maximum);
        maximum = std::clamp<qint16>(maximum, -1, qint16(capacity - 1));
        return problem;
    }
    return {};
}

void clearRecordsInUse(StockList& list) {
    std::fill_n(list.types.begin(), list.typeCount(), TypeRecord{{}, unreadRange, unreadRange});
    std::fill_n(list.stocks.begin(), list.stockCount(), StockRecord{});
}

// Makes the list satisfy the invariants, keeping every type name and as many ranges as fit.
// A range that could not be read (Lowstock below 0) becomes empty.
void RepairStockList(StockList& list) {
    if (list.Maxtypes < 0) {
        list.Maxstocks = -1;  // stocks need a type to belong to
        return;
    }
    qint16 next = 0;
    for (qint16 t = 0; t <= list.Maxtypes; ++t) {
        TypeRecord& type = list.types[t];
        const qint16 last = type.Lowstock < 0 ? next - 1 : type.Histock;
        type.Lowstock = next;
        type.Histock = std::clamp<qint16>(last, next - 1, list.Maxstocks);
        next = type.Histock + 1;
    }
    // Stocks that no stored range reached join the last type rather than being lost.
    list.types[list.Maxtypes].Histock = list.Maxstocks;
}
}  // namespace

std::optional<QString> LoadStockList(const SettingsStore& store, StockList& list) {
    QString problem = readMaximum(store, QStringLiteral("Maxtypes"), list.Maxtypes, TypeCapacity);
    const QString stocksProblem =
        readMaximum(store, QStringLiteral("Maxstocks"), list.Maxstocks, StockCapacity);
    if (problem.isEmpty()) {
        problem = stocksProblem;
    }
    clearRecordsInUse(list);
    ForEachStockRecordField(list, [&](const SettingField& field) {
        if (const auto text = store.GetValue(StockListSectionName, field.key)) {
            ReadStoredText(field, *text);
        }
    });
    if (problem.isEmpty()) {
        CheckInvariants(list, &problem);
    }
    if (!problem.isEmpty()) {
        RepairStockList(list);
    }
    RebuildStockTypeIndex(list);
    return problem.isEmpty() ? std::nullopt : std::optional(problem);
}

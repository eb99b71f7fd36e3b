#include "settings/StoredStockList.h"

#include "settings/StoreLayout.h"
#include "settings/StoredValue.h"

#include <QCoreApplication>
#include <algorithm>
#include <limits>

namespace {
// Marks a range key that was missing or unreadable.
constexpr qint16 unreadRange = std::numeric_limits<qint16>::min();

// How many records are stored from the first on, without a gap.
qint16 storedRecords(const SettingsStore& store, QString (*keyOf)(qint16), int capacity) {
    qint16 count = 0;
    while (count < capacity && store.GetValue(StockListSectionName, keyOf(count))) {
        ++count;
    }
    return count;
}

// Reads one of the maxima (-1 when missing); returns what was wrong with it, if anything. A
// maximum that is unreadable, beyond the capacity or past the records stored is rebuilt from
// the records stored, so that the list is neither thrown away nor padded with empty records.
QString readMaximum(const SettingsStore& store, const QString& key, qint16& maximum, int capacity,
                    QString (*keyOf)(qint16)) {
    const auto text = store.GetValue(StockListSectionName, key);
    maximum = -1;
    QString problem;
    if (text && !ReadStoredText({key, &maximum}, *text)) {
        //: %1 is a key of the settings file, %2 its value.
        problem = QCoreApplication::translate("StoredStockList", "%1 \"%2\" is not a number")
                      .arg(key, *text);
    } else if (maximum < -1 || maximum >= capacity) {
        //: %1 is a key of the settings file, %2 its value.
        problem = QCoreApplication::translate("StoredStockList", "%1 %2 is beyond the capacity")
                      .arg(key)
                      .arg(maximum);
    } else if (maximum >= 0 && !store.GetValue(StockListSectionName, keyOf(maximum))) {
        //: %1 is a key of the settings file, %2 its value.
        problem = QCoreApplication::translate("StoredStockList", "%1 %2 is past the records stored")
                      .arg(key)
                      .arg(maximum);
    } else if (!text && store.GetValue(StockListSectionName, keyOf(0))) {
        //: %1 is a key of the settings file.
        problem = QCoreApplication::translate("StoredStockList", "%1 is missing").arg(key);
    }
    if (!problem.isEmpty()) {
        maximum = qint16(storedRecords(store, keyOf, capacity) - 1);
    }
    return problem;
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
    QString problem =
        readMaximum(store, QStringLiteral("Maxtypes"), list.Maxtypes, TypeCapacity, TypeNameKey);
    const QString stocksProblem = readMaximum(store, QStringLiteral("Maxstocks"), list.Maxstocks,
                                              StockCapacity, StockSymbolKey);
    if (problem.isEmpty()) {
        problem = stocksProblem;
    }
    const int storedStocks = list.stockCount();
    clearRecordsInUse(list);
    ForEachStockRecordField(list, [&](const SettingField& field) {
        if (const auto text = store.GetValue(StockListSectionName, field.key)) {
            ReadStoredText(field, *text);
        }
    });
    if (problem.isEmpty()) {
        CheckInvariants(list, &problem);
    }
    if (problem.isEmpty()) {
        RebuildStockTypeIndex(list);
        return std::nullopt;
    }
    RepairStockList(list);
    RebuildStockTypeIndex(list);
    //: Follows what was wrong with the stored stock list.
    problem += QStringLiteral("; ") +
               QCoreApplication::translate("StoredStockList", "kept %1 types and %2 stocks")
                   .arg(list.typeCount())
                   .arg(list.stockCount());
    if (list.stockCount() < storedStocks) {
        problem += QStringLiteral(", ") + QCoreApplication::translate(
                                              "StoredStockList", "dropped %n stocks without a type",
                                              nullptr, storedStocks - list.stockCount());
    }
    return problem;
}

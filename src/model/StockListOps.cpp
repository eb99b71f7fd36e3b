#include "model/StockListOps.h"

#include <algorithm>
#include <utility>

namespace {
// Moves the ranges of types `first` to `last` by `delta` stocks.
void shiftTypes(StockList& list, int first, int last, int delta) {
    for (int u = first; u <= last; ++u) {
        list.types[u].Lowstock += delta;
        list.types[u].Histock += delta;
    }
}

void shiftLaterTypes(StockList& list, qint16 type, int delta) {
    shiftTypes(list, type + 1, list.Maxtypes, delta);
}

// Lays the ranges of types `first` to `last` end to end from stock `start`, each keeping its
// number of stocks.
void layRanges(StockList& list, int first, int last, int start) {
    for (int u = first; u <= last; ++u) {
        TypeRecord& type = list.types[u];
        const int count = type.Histock - type.Lowstock + 1;
        type.Lowstock = static_cast<qint16>(start);
        type.Histock = static_cast<qint16>(start + count - 1);
        start += count;
    }
}
}  // namespace

bool InsertType(Model& model, qint16 type, const QString& name) {
    StockList& list = model.list;
    if (list.typeCount() >= TypeCapacity) {
        return false;
    }
    model.SettingsChanged = true;
    const qint16 low = type == 0 ? 0 : list.types[type - 1].Histock + 1;
    std::move_backward(list.types.begin() + type, list.types.begin() + list.Maxtypes + 1,
                       list.types.begin() + list.Maxtypes + 2);
    list.types[type] = TypeRecord{name, low, static_cast<qint16>(low - 1)};
    ++list.Maxtypes;
    return true;
}

qint16 AppendType(Model& model, const QString& name) {
    const qint16 t = model.list.Maxtypes + 1;
    return InsertType(model, t, name) ? t : qint16(-1);
}

void RenameType(Model& model, qint16 type, const QString& name) {
    model.SettingsChanged = true;
    model.list.types[type].Type = name;
}

void DeleteType(Model& model, qint16 type) {
    model.SettingsChanged = true;
    StockList& list = model.list;
    std::move(list.types.begin() + type + 1, list.types.begin() + list.Maxtypes + 1,
              list.types.begin() + type);
    --list.Maxtypes;
}

void MoveType(Model& model, qint16 from, qint16 to) {
    model.SettingsChanged = true;
    StockList& list = model.list;
    const qint16 first = std::min(from, to);
    const qint16 last = std::max(from, to);
    const auto stock = [&list](int index) { return list.stocks.begin() + index; };
    const auto type = [&list](int index) { return list.types.begin() + index; };
    const int start = list.types[first].Lowstock;
    // Rotating the stocks of the types between the two places carries each type's stocks
    // along with it; the ranges are then laid out afresh.
    if (from > to) {
        std::rotate(stock(start), stock(list.types[from].Lowstock),
                    stock(list.types[from].Histock + 1));
        std::rotate(type(to), type(from), type(from + 1));
    } else {
        std::rotate(stock(start), stock(list.types[from].Histock + 1),
                    stock(list.types[to].Histock + 1));
        std::rotate(type(from), type(from + 1), type(to + 1));
    }
    layRanges(list, first, last, start);
}

bool InsertStock(Model& model, qint16 position, qint16 type, StockRecord stock) {
    StockList& list = model.list;
    if (list.stockCount() >= StockCapacity) {
        return false;
    }
    model.SettingsChanged = true;
    auto first = list.stocks.begin() + position;
    std::move_backward(first, list.stocks.begin() + list.Maxstocks + 1,
                       list.stocks.begin() + list.Maxstocks + 2);
    *first = std::move(stock);
    ++list.types[type].Histock;
    shiftLaterTypes(list, type, +1);
    ++list.Maxstocks;
    return true;
}

qint16 Add_Stock(Model& model, qint16 newType, StockRecord stock) {
    const qint16 position = model.list.types[newType].Histock + 1;
    return InsertStock(model, position, newType, std::move(stock)) ? position : qint16(-1);
}

void ReplaceStock(Model& model, qint16 stock, StockRecord record) {
    model.SettingsChanged = true;
    model.list.stocks[stock] = std::move(record);
}

qint16 MoveStock(Model& model, qint16 stock, qint16 newType, qint16 place) {
    model.SettingsChanged = true;
    StockList& list = model.list;
    const qint16 oldType = list.StockTypeIndex[stock];
    const auto at = [&list](int index) { return list.stocks.begin() + index; };
    // The types between the old and the new place lose or gain one index at both ends.
    if (newType > oldType) {
        --list.types[oldType].Histock;
        shiftTypes(list, oldType + 1, newType - 1, -1);
        --list.types[newType].Lowstock;
    } else if (newType < oldType) {
        ++list.types[newType].Histock;
        shiftTypes(list, newType + 1, oldType - 1, +1);
        ++list.types[oldType].Lowstock;
    }
    const qint16 target = list.types[newType].Lowstock + place;
    // Rotating the stocks between the old and the new index moves each by one place.
    if (target < stock) {
        std::rotate(at(target), at(stock), at(stock + 1));
    } else {
        std::rotate(at(stock), at(stock + 1), at(target + 1));
    }
    return target;
}

void ReorderStocks(Model& model, qint16 type, const std::vector<qint16>& order) {
    model.SettingsChanged = true;
    StockList& list = model.list;
    const qint16 low = list.types[type].Lowstock;
    std::vector<StockRecord> ordered;
    ordered.reserve(order.size());
    for (const qint16 place : order) {
        ordered.push_back(std::move(list.stocks[low + place]));
    }
    std::move(ordered.begin(), ordered.end(), list.stocks.begin() + low);
}

void Delete_Stock(Model& model, qint16 stock) {
    model.SettingsChanged = true;
    StockList& list = model.list;
    const qint16 owner = list.StockTypeIndex[stock];
    std::move(list.stocks.begin() + stock + 1, list.stocks.begin() + list.Maxstocks + 1,
              list.stocks.begin() + stock);
    --list.types[owner].Histock;
    shiftLaterTypes(list, owner, -1);
    --list.Maxstocks;
}

void ExchangeList(Model& model, StockList& other) {
    model.SettingsChanged = true;
    std::swap(model.list, other);
}

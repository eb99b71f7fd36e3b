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
}  // namespace

qint16 AppendType(Model& model, const QString& name) {
    StockList& list = model.list;
    if (list.typeCount() >= TypeCapacity) {
        return -1;
    }
    model.SettingsChanged = true;
    const qint16 t = ++list.Maxtypes;
    const qint16 low = t == 0 ? 0 : list.types[t - 1].Histock + 1;
    list.types[t] = TypeRecord{name, low, static_cast<qint16>(low - 1)};
    return t;
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

qint16 MoveStockToType(Model& model, qint16 stock, qint16 newType) {
    model.SettingsChanged = true;
    StockList& list = model.list;
    const qint16 oldType = list.StockTypeIndex[stock];
    const auto at = [&list](int index) { return list.stocks.begin() + index; };
    // Rotating the stocks between the old and the new place moves every one in between by
    // one index, and the types between lose or gain that index at both ends.
    if (newType > oldType) {
        const qint16 target = list.types[newType].Histock;
        std::rotate(at(stock), at(stock + 1), at(target + 1));
        --list.types[oldType].Histock;
        shiftTypes(list, oldType + 1, newType - 1, -1);
        --list.types[newType].Lowstock;
        return target;
    }
    if (newType < oldType) {
        const qint16 target = list.types[newType].Histock + 1;
        std::rotate(at(target), at(stock), at(stock + 1));
        ++list.types[newType].Histock;
        shiftTypes(list, newType + 1, oldType - 1, +1);
        ++list.types[oldType].Lowstock;
        return target;
    }
    return stock;
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

void Swap_Stock(Model& model, qint16 s1, qint16 s2) {
    model.SettingsChanged = true;
    std::swap(model.list.stocks[s1], model.list.stocks[s2]);
}

void Swap_Group(Model& model, qint16 lastgroup) {
    model.SettingsChanged = true;
    StockList& list = model.list;
    TypeRecord& a = list.types[lastgroup - 1];
    TypeRecord& b = list.types[lastgroup];
    const int countA = a.Histock - a.Lowstock + 1;
    // Rotating the joint range puts b's stocks first, each group keeping its own order.
    std::rotate(list.stocks.begin() + a.Lowstock, list.stocks.begin() + a.Lowstock + countA,
                list.stocks.begin() + b.Histock + 1);
    std::swap(a.Type, b.Type);
    const int countB = b.Histock - b.Lowstock + 1;
    a.Histock = a.Lowstock + countB - 1;
    b.Lowstock = a.Lowstock + countB;
}

#include "model/StockListOps.h"

#include <algorithm>
#include <utility>

namespace {
// Moves the ranges of every type after `type` by `delta` stocks.
void shiftLaterTypes(StockList& list, qint16 type, int delta) {
    for (qint16 u = type + 1; u <= list.Maxtypes; ++u) {
        list.types[u].Lowstock += delta;
        list.types[u].Histock += delta;
    }
}
}  // namespace

qint16 AppendType(Model& model, const QString& name) {
    model.SettingsChanged = true;
    StockList& list = model.list;
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

void InsertStock(Model& model, qint16 position, qint16 type, StockRecord stock) {
    model.SettingsChanged = true;
    StockList& list = model.list;
    auto first = list.stocks.begin() + position;
    std::move_backward(first, list.stocks.begin() + list.Maxstocks + 1,
                       list.stocks.begin() + list.Maxstocks + 2);
    *first = std::move(stock);
    ++list.types[type].Histock;
    shiftLaterTypes(list, type, +1);
    ++list.Maxstocks;
}

qint16 Add_Stock(Model& model, qint16 newType, StockRecord stock) {
    const qint16 position = model.list.types[newType].Histock + 1;
    InsertStock(model, position, newType, std::move(stock));
    return position;
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

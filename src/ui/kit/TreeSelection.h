#pragma once

#include <QtGlobal>

struct StockList;

// What a node of the tree shows, in list indexes.
struct TreeSelection {
    enum class Kind { None, Type, Stock };
    Kind kind = Kind::None;
    // The type, or the owner of the stock.
    qint16 type = -1;
    // The stock; -1 for a type node.
    qint16 stock = -1;

    bool isType() const { return kind == Kind::Type; }
    bool isStock() const { return kind == Kind::Stock; }
};

// Where a search from `selection` starts, as a stock index: the selected stock itself when
// `including` holds, else the first stock below the node (a type's first stock); 0 when
// nothing is selected.
qint16 StockBelow(const TreeSelection& selection, const StockList& list, bool including);
// The last stock above the node; -1 (the list's last stock, to a search) when nothing is
// selected.
qint16 StockAbove(const TreeSelection& selection, const StockList& list);

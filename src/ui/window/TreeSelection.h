#pragma once

#include <QtGlobal>

struct StockList;
class StockTree;

// What the tree's selected node shows, in list indexes.
struct TreeSelection {
    enum class Kind { None, Type, Stock };
    Kind kind = Kind::None;
    // The selected type, or the owner of the selected stock.
    qint16 type = -1;
    // The selected stock; -1 for a type node.
    qint16 stock = -1;

    bool isType() const { return kind == Kind::Type; }
    bool isStock() const { return kind == Kind::Stock; }
};

// Reads the selected node through the tree's node maps; Kind::None when no node is selected.
TreeSelection SelectedItem(const StockTree& tree, const StockList& list);

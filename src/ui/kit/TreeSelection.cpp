#include "ui/kit/TreeSelection.h"

#include "ui/window/StockTree.h"

TreeSelection NodeItem(const StockTree& tree, const StockList& list, int node) {
    if (node == 0) {
        return {};
    }
    const qint16 type = tree.NodeTypeIndex(node);
    if (type >= 0) {
        return {TreeSelection::Kind::Type, type, -1};
    }
    const qint16 stock = tree.NodeStockIndex(node);
    return {TreeSelection::Kind::Stock, list.StockTypeIndex[stock], stock};
}

TreeSelection SelectedItem(const StockTree& tree, const StockList& list) {
    return NodeItem(tree, list, tree.selectedNode());
}

qint16 StockBelow(const TreeSelection& selection, const StockList& list, bool including) {
    if (selection.isType()) {
        return list.types[selection.type].Lowstock;
    }
    return selection.isStock() ? selection.stock + qint16(!including) : 0;
}

qint16 StockAbove(const TreeSelection& selection, const StockList& list) {
    if (selection.isType()) {
        return list.types[selection.type].Lowstock - 1;
    }
    return selection.isStock() ? selection.stock - 1 : -1;
}

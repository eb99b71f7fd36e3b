#include "ui/window/TreeSelection.h"

#include "ui/window/StockTree.h"

TreeSelection SelectedItem(const StockTree& tree, const StockList& list) {
    const int node = tree.selectedNode();
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

#pragma once

#include "ui/kit/TreeSelection.h"

// What the dialogs and the undo steps see of the main window's tree of types and stocks.
class StockView {
  public:
    // Rebuilds the tree from the list, then selects the node of type `seltype` or stock
    // `selstock` when that index is in use (-1: none).
    virtual void Fill_tree(qint16 seltype, qint16 selstock) = 0;
    // Scrolls the selected node into view and gives the tree the keyboard focus.
    virtual void WebTree_GiveFocus() = 0;
    // What the selected node shows; Kind::None when no node is selected.
    virtual TreeSelection selection() const = 0;

  protected:
    ~StockView() = default;
};

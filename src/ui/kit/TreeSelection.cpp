#include "ui/kit/TreeSelection.h"

#include "model/StockList.h"

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

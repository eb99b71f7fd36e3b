#include "ui/lists/ListSnapshot.h"

#include "ui/platform/Platform.h"

#include <algorithm>

void ListSnapshot::take(const StockList& list, qint16 stock) {
    types_ = QList<TypeRecord>(list.types.begin(), list.types.begin() + list.typeCount());
    stock_ = stock;
    record_ = stock < 0 ? StockRecord{} : list.stocks[stock];
}

bool ListSnapshot::matches(const StockList& list) const {
    return types_.size() == list.typeCount() &&
           std::equal(types_.begin(), types_.end(), list.types.begin()) &&
           (stock_ < 0 || (stock_ <= list.Maxstocks && list.stocks[stock_] == record_));
}

bool ListSnapshot::stillHeldBy(const StockList& list, Platform& platform) const {
    if (matches(list)) {
        return true;
    }
    platform.message(tr("The list changed while this dialog was open; nothing was changed."));
    return false;
}

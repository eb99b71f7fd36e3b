#pragma once

#include "model/StockList.h"

#include <QString>

// The add commands create no more than TypeAddLimit types and StockAddLimit stocks.
inline bool TypeLimitReached(const StockList& list) {
    return list.Maxtypes >= TypeAddLimit - 1;
}
inline bool StockLimitReached(const StockList& list) {
    return list.Maxstocks >= StockAddLimit - 1;
}

QString TypeLimitMessage();
QString StockLimitMessage();

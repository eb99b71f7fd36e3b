#pragma once

#include "model/StockList.h"

#include <QLocale>
#include <vector>

enum class SortKey { Symbol, Description };

// The order that sorts the stocks of `type` by `key`, ascending, as `locale` collates texts,
// without regard to case and with runs of digits compared as numbers (A2 before A10); stocks
// with equal keys keep their order. Entry i is the place
// of the stock that goes to place i (ReorderStocks takes it).
std::vector<qint16> SortedOrder(const StockList& list, qint16 type, SortKey key,
                                const QLocale& locale = QLocale());
// The order that puts back what `order` changed.
std::vector<qint16> InverseOrder(const std::vector<qint16>& order);

#pragma once

#include "model/StockList.h"

#include <algorithm>
#include <span>

// The list as the pages walk it. A stored list is checked on loading; the bounds only keep a
// bad one from indexing outside the arrays.

// The types in use, in order.
inline std::span<const TypeRecord> TypesInUse(const StockList& list) {
    const int count = std::clamp<int>(list.typeCount(), 0, TypeCapacity);
    return std::span(list.types).first(static_cast<size_t>(count));
}

// The stocks of `type`, in order.
inline std::span<const StockRecord> StocksOf(const StockList& list, const TypeRecord& type) {
    const int first = std::max<int>(type.Lowstock, 0);
    const int end = std::min<int>(type.Histock + 1, StockCapacity);
    return first < end ? std::span(list.stocks).subspan(size_t(first), size_t(end - first))
                       : std::span<const StockRecord>();
}

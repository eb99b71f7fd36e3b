#pragma once

#include "model/OptionTable.h"

#include <QLatin1StringView>
#include <array>

// A stored selection can hold any number (a hand-edited store), so every address code is
// looked up through these: an index outside its table stands for the field's default.

inline qint16 ValidSelection(qint16 index, const OptionTable& table, qint16 fallback) {
    return table.contains(index) ? index : fallback;
}

// The code of selection `index` in `codes`, which lists one code per label of `table`.
template <size_t N>
QLatin1StringView OptionCode(const std::array<const char*, N>& codes, const OptionTable& table,
                             qint16 index, qint16 fallback) {
    const qint16 valid = ValidSelection(index, table, fallback);
    return QLatin1StringView(static_cast<size_t>(valid) < N ? codes[valid] : codes[fallback]);
}

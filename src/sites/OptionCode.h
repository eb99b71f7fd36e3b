#pragma once

#include "model/OptionTable.h"

// A site's option list: a function returning its one table of {label, code} rows.
#define TICKVANE_OPTIONS(name, ...)                  \
    const OptionTable& name() {                      \
        static const OptionTable table{__VA_ARGS__}; \
        return table;                                \
    }

// A stored selection can hold any number (a hand-edited store), so every address code is
// looked up through these: an index outside its table stands for the field's default.

inline qint16 ValidSelection(qint16 index, const OptionTable& table, qint16 fallback) {
    return table.contains(index) ? index : fallback;
}

inline QLatin1StringView OptionCode(const OptionTable& table, qint16 index, qint16 fallback) {
    return table.code(ValidSelection(index, table, fallback));
}

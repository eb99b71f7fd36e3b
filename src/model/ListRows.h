#pragma once

#include "model/StockList.h"

#include <QString>
#include <vector>

// One row of a list brought in from a file or the clipboard, as it was read.
struct ListRow {
    qsizetype line = 0;  // where the row starts, from 1
    QString type;        // the type it names; empty when it names none
    StockRecord stock;   // no symbol and nothing else: a row that only names its type

    bool operator==(const ListRow&) const = default;
};

using ListRows = std::vector<ListRow>;

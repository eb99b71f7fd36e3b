#pragma once

#include "listfiles/CsvRecords.h"
#include "model/ListRows.h"

#include <utility>
#include <vector>

// The columns of a list's header line that name something a stock has, recognised by name
// without regard to case: symbol ("Symbol", "Ticker", "Code"), description ("Name",
// "Description", "Company"), type ("Type", "Category", "Group", "Sector", "Watchlist"), "URL",
// the alternate symbols under the sites' names and "Exchange". Other columns are ignored; of two
// columns for one thing the first counts, and the second is named in `unread`.
struct ListColumns {
    int type = -1;
    std::vector<std::pair<int, size_t>> fields;  // column and the StockText field it fills
    QStringList unread;                          // "column 3, Symbol again, not read"

    int recognised() const { return int(fields.size()) + int(type >= 0); }
    bool fills(size_t field) const;
};

ListColumns RecogniseHeader(const QStringList& cells);

// The row a record under that header gives; missing fields are empty, an apostrophe the
// list export put before a formula-like text is taken away, and an exchange named as
// MarketCodeNamed knows it becomes its market identifier code.
ListRow RowOfRecord(const ListColumns& columns, const CsvRecord& record);

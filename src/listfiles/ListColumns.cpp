#include "listfiles/ListColumns.h"

#include "listfiles/FormulaCells.h"
#include "model/Markets.h"
#include "model/SiteTable.h"

#include <QCoreApplication>
#include <algorithm>

namespace {
struct KnownColumn {
    QString name;  // folded case
    int field;     // a StockText field, -1 for the type
};

std::vector<KnownColumn> knownColumns() {
    std::vector<KnownColumn> known;
    const auto add = [&known](int field, std::initializer_list<const char*> names) {
        for (const char* name : names) {
            known.push_back({QString::fromLatin1(name), field});
        }
    };
    add(SymbolText, {"symbol", "ticker", "code"});
    add(DescriptionText, {"name", "description", "company"});
    add(-1, {"type", "category", "group", "sector", "watchlist"});
    add(UrlText, {"url"});
    add(int(ExchangeText), {"exchange"});
    for (SiteId site : AllSites) {
        known.push_back({Site(site).name.toCaseFolded(), int(AlternateText(site))});
    }
    return known;
}
}  // namespace

bool ListColumns::fills(size_t field) const {
    return std::any_of(fields.begin(), fields.end(),
                       [field](const auto& column) { return column.second == field; });
}

ListColumns RecogniseHeader(const QStringList& cells) {
    static const std::vector<KnownColumn> known = knownColumns();
    ListColumns columns;
    for (int column = 0; column < cells.size(); ++column) {
        const QString name = cells[column].trimmed().toCaseFolded();
        const auto match = std::find_if(known.begin(), known.end(),
                                        [&name](const KnownColumn& k) { return k.name == name; });
        if (match == known.end()) {
            continue;
        }
        if (match->field >= 0 ? columns.fills(size_t(match->field)) : columns.type >= 0) {
            //: %1 is the column's number, %2 the name its header gives it, such as Symbol
            columns.unread << QCoreApplication::translate("ListColumns",
                                                          "column %1, %2 again, not read")
                                  .arg(column + 1)
                                  .arg(cells[column].trimmed());
        } else if (match->field < 0) {
            columns.type = column;
        } else {
            columns.fields.emplace_back(column, size_t(match->field));
        }
    }
    return columns;
}

ListRow RowOfRecord(const ListColumns& columns, const CsvRecord& record) {
    const auto cell = [&record](int column) {
        return column < record.fields.size() ? TextOfFormulaSafeCell(record.fields[column])
                                             : QString();
    };
    ListRow row;
    row.line = record.line;
    row.type = columns.type >= 0 ? cell(columns.type) : QString();
    for (const auto& [column, field] : columns.fields) {
        StockText(row.stock, field) = cell(column);
    }
    // A text that names no exchange stays, for the addition to refuse the row over it.
    row.stock.Exchange = MarketCodeNamed(row.stock.Exchange).value_or(row.stock.Exchange.trimmed());
    return row;
}

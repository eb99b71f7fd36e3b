#include "model/StockSearch.h"

namespace {
bool matches(const QString& field, const QString& text, MatchRule rule) {
    return rule == MatchRule::Prefix ? field.startsWith(text, Qt::CaseInsensitive)
                                     : field.contains(text, Qt::CaseInsensitive);
}
}  // namespace

qint16 FindStock(const StockList& list, const QString& text, MatchRule rule, int start, int step) {
    const int count = list.stockCount();
    for (int n = 0; n < count; ++n) {
        const int index = ((start + n * step) % count + count) % count;
        const StockRecord& stock = list.stocks[index];
        if (matches(stock.Stock, text, rule) || matches(stock.Description, text, rule)) {
            return static_cast<qint16>(index);
        }
    }
    return -1;
}

#include "model/StockOrder.h"

#include <QCollator>
#include <algorithm>
#include <numeric>

std::vector<qint16> SortedOrder(const StockList& list, qint16 type, SortKey key,
                                const QLocale& locale) {
    const TypeRecord& range = list.types[type];
    std::vector<qint16> order(range.Histock - range.Lowstock + 1);
    std::iota(order.begin(), order.end(), qint16(0));
    QCollator collator(locale);
    collator.setCaseSensitivity(Qt::CaseInsensitive);
    collator.setNumericMode(true);
    const auto keyOf = [&](qint16 place) -> const QString& {
        const StockRecord& stock = list.stocks[range.Lowstock + place];
        return key == SortKey::Symbol ? stock.Stock : stock.Description;
    };
    std::stable_sort(order.begin(), order.end(),
                     [&](qint16 a, qint16 b) { return collator.compare(keyOf(a), keyOf(b)) < 0; });
    return order;
}

std::vector<qint16> InverseOrder(const std::vector<qint16>& order) {
    std::vector<qint16> inverse(order.size());
    for (std::size_t i = 0; i < order.size(); ++i) {
        inverse[order[i]] = static_cast<qint16>(i);
    }
    return inverse;
}

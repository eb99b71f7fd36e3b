#include "model/StockList.h"

#include <QCoreApplication>
#include <algorithm>

#include <utility>

const QString& StockText(const StockRecord& stock, size_t field) {
    switch (field) {
        case SymbolText:
            return stock.Stock;
        case DescriptionText:
            return stock.Description;
        case UrlText:
            return stock.URL;
        case ExchangeText:
            return stock.Exchange;
        default:
            return stock.Alternates.at(field - FirstAlternateText);
    }
}

QString& StockText(StockRecord& stock, size_t field) {
    return const_cast<QString&>(StockText(std::as_const(stock), field));
}

bool AnyExchange(const StockList& list) {
    return std::any_of(list.stocks.begin(), list.stocks.begin() + list.stockCount(),
                       [](const StockRecord& stock) { return !stock.Exchange.isEmpty(); });
}

void RebuildStockTypeIndex(StockList& list) {
    for (qint16 t = 0; t <= list.Maxtypes; ++t) {
        for (qint16 s = list.types[t].Lowstock; s <= list.types[t].Histock; ++s) {
            list.StockTypeIndex[s] = t;
        }
    }
}

namespace {
bool fail(QString* problem, const QString& text) {
    if (problem) {
        *problem = text;
    }
    return false;
}
}  // namespace

bool CheckInvariants(const StockList& list, QString* problem) {
    //: Maxtypes is the name of a setting in the stored file; keep it
    if (list.Maxtypes < -1 || list.Maxtypes >= TypeCapacity) {
        return fail(problem,
                    QCoreApplication::translate("StockList", "Maxtypes %1 outside the capacity")
                        .arg(list.Maxtypes));
    }
    //: Maxstocks is the name of a setting in the stored file; keep it
    if (list.Maxstocks < -1 || list.Maxstocks >= StockCapacity) {
        return fail(problem,
                    QCoreApplication::translate("StockList", "Maxstocks %1 outside the capacity")
                        .arg(list.Maxstocks));
    }
    qint16 next = 0;
    for (qint16 t = 0; t <= list.Maxtypes; ++t) {
        const TypeRecord& type = list.types[t];
        if (type.Lowstock != next || type.Histock < type.Lowstock - 1) {
            return fail(problem, QCoreApplication::translate(
                                     "StockList", "type %1 range %2..%3 does not start at %4")
                                     .arg(t)
                                     .arg(type.Lowstock)
                                     .arg(type.Histock)
                                     .arg(next));
        }
        next = type.Histock + 1;
    }
    //: Maxstocks is the name of a setting in the stored file; keep it
    if (next != list.Maxstocks + 1) {
        return fail(problem, QCoreApplication::translate(
                                 "StockList", "types end at stock %1 but Maxstocks is %2")
                                 .arg(next - 1)
                                 .arg(list.Maxstocks));
    }
    return true;
}

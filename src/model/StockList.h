#pragma once

#include "model/SiteTable.h"

#include <QString>
#include <QtGlobal>
#include <array>

// Capacities of the list. They are part of the stored data's contract: a stored list may use
// every slot, the add commands stop one short of them.
inline constexpr int TypeCapacity = 101;
inline constexpr int StockCapacity = 1001;
inline constexpr qint16 TypeAddLimit = 100;
inline constexpr qint16 StockAddLimit = 1000;

struct StockRecord {
    QString Stock;
    QString Description;
    QString URL;
    PerSite<QString> Alternates;  // the symbols at each site (keys Alt_BC ...), may be empty
    QString Exchange{};  // where it trades: a market identifier code ("XLON"), may be empty

    bool operator==(const StockRecord&) const = default;
};

// A stock's texts by number, in store order: symbol, description, web page, the alternate
// symbols in SiteId order, then the exchange.
enum StockTextField : size_t { SymbolText, DescriptionText, UrlText, FirstAlternateText };
inline constexpr size_t ExchangeText = FirstAlternateText + SiteCount;
inline constexpr size_t StockTextCount = ExchangeText + 1;
inline constexpr size_t AlternateText(SiteId id) {
    return FirstAlternateText + static_cast<size_t>(id);
}
QString& StockText(StockRecord& stock, size_t field);
const QString& StockText(const StockRecord& stock, size_t field);

struct TypeRecord {
    QString Type;
    qint16 Lowstock = 0;
    qint16 Histock = -1;

    bool operator==(const TypeRecord&) const = default;
};

// The types partition the stock indexes 0..Maxstocks into consecutive ranges in type order.
// Maxtypes and Maxstocks are highest indexes in use (-1 when empty), not counts.
struct StockList {
    qint16 Maxtypes = -1;
    qint16 Maxstocks = -1;
    std::array<TypeRecord, TypeCapacity> types;
    std::array<StockRecord, StockCapacity> stocks;
    // Owner of each stock in use; derived data, rebuilt by RebuildStockTypeIndex.
    std::array<qint16, StockCapacity> StockTypeIndex{};

    int typeCount() const { return Maxtypes + 1; }
    int stockCount() const { return Maxstocks + 1; }
    bool typeHasStocks(qint16 t) const { return types[t].Lowstock <= types[t].Histock; }

    bool operator==(const StockList&) const = default;
};

void RebuildStockTypeIndex(StockList& list);

// Whether a stock in use has an exchange: only then do lists and pages carry exchanges.
bool AnyExchange(const StockList& list);

// True when the list satisfies every invariant; otherwise false with the first broken rule.
bool CheckInvariants(const StockList& list, QString* problem = nullptr);

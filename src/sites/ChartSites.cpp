#include "sites/BigCharts.h"
#include "sites/ChartSite.h"
#include "sites/StockMaster.h"
#include "sites/StockPoint.h"
#include "sites/Yahoo.h"

const BuiltInSite& ChartSiteFor(SiteId id) {
    static const BigChartsSite bigCharts;
    static const StockMasterSite stockMaster;
    static const StockPointSite stockPoint;
    static const YahooSite yahoo;
    static const std::array<const BuiltInSite*, 4> sites{&bigCharts, &stockMaster, &stockPoint,
                                                         &yahoo};
    return *sites[static_cast<size_t>(id)];
}

const QString& ChartSite::symbol(const StockRecord& stock) const {
    const qint16 from = symbolsFrom();
    return from < 0 ? stock.Stock : SiteSymbol(stock, SiteId(from));
}

#include "model/SiteTable.h"

const SiteInfo& Site(SiteId id) {
    static const std::array<SiteInfo, 4> table{{
        {SiteId::BigCharts, QStringLiteral("BigCharts"), QStringLiteral("bigcharts"),
         &GeneralSettings::BigCharts_enable, &StockRecord::Alt_BC},
        {SiteId::StockMaster, QStringLiteral("StockMaster"), QStringLiteral("stockmaster"),
         &GeneralSettings::StockMaster_enable, &StockRecord::Alt_SM},
        {SiteId::StockPoint, QStringLiteral("StockPoint"), QStringLiteral("stockpoint"),
         &GeneralSettings::StockPoint_enable, &StockRecord::Alt_SP},
        {SiteId::Yahoo, QStringLiteral("Yahoo"), QStringLiteral("yahoo"),
         &GeneralSettings::Yahoo_enable, &StockRecord::Alt_YH},
    }};
    return table[static_cast<size_t>(id)];
}

const QString& SiteSymbol(const StockRecord& stock, SiteId site) {
    const QString& alternate = stock.*(Site(site).alternate);
    return alternate.isEmpty() ? stock.Stock : alternate;
}

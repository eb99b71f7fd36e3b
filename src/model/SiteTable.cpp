#include "model/SiteTable.h"

const SiteInfo& Site(SiteId id) {
    static const std::array<SiteInfo, 4> table{{
        {SiteId::BigCharts, QStringLiteral("BigCharts"), QStringLiteral("bigcharts"),
         &GeneralSettings::BigCharts_enable, &StockRecord::Alt_BC, "BC", "&BigCharts",
         "&Big Charts", "B&ig Charts", "Symbol at &Big Charts"},
        {SiteId::StockMaster, QStringLiteral("StockMaster"), QStringLiteral("stockmaster"),
         &GeneralSettings::StockMaster_enable, &StockRecord::Alt_SM, "SM", "Stock&Master",
         "Stock&Master", "StockM&aster", "Symbol at Stock&Master"},
        {SiteId::StockPoint, QStringLiteral("StockPoint"), QStringLiteral("stockpoint"),
         &GeneralSettings::StockPoint_enable, &StockRecord::Alt_SP, "SP", "Stock&Point",
         "Stock&Point", "StockP&oint", "Symbol at Stock&Point"},
        {SiteId::Yahoo, QStringLiteral("Yahoo"), QStringLiteral("yahoo"),
         &GeneralSettings::Yahoo_enable, &StockRecord::Alt_YH, "YH", "&Yahoo", "&Yahoo", "Ya&hoo",
         "Symbol at &Yahoo"},
    }};
    return table[static_cast<size_t>(id)];
}

const QString& SiteSymbol(const StockRecord& stock, SiteId site) {
    const QString& alternate = stock.*(Site(site).alternate);
    return alternate.isEmpty() ? stock.Stock : alternate;
}

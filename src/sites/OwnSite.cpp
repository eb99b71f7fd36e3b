#include "sites/OwnSite.h"

#include <QUrl>

ChartAddress OwnChartSite::chartAddress(const Model&) const {
    return ChartAddress{settings_.Template.split(SymbolPlaceholder)};
}

// An alternate symbol of another site where the user links by those, falling back to the
// stock's own symbol as the sites do.
const QString& OwnChartSite::symbol(const StockRecord& stock) const {
    const qint16 from = settings_.SymbolsFrom;
    return from >= 0 && from < qint16(AllSites.size()) ? SiteSymbol(stock, SiteId(from))
                                                       : stock.Stock;
}

// Everything but the unreserved characters of RFC 3986 (letters, digits, "-", ".", "_", "~")
// is percent-encoded as UTF-8, so any symbol stays one value of the address.
QString OwnChartSite::addressSymbol(const QString& symbol) const {
    return QString::fromLatin1(QUrl::toPercentEncoding(symbol));
}

SettingFields OwnSiteFields(Model& model) {
    OwnSiteSettings& s = model.ownSite;
    return {
        {QStringLiteral("Enabled"), &s.Enabled},
        {QStringLiteral("Name"), &s.Name},
        {QStringLiteral("Template"), &s.Template},
        {QStringLiteral("SymbolsFrom"), &s.SymbolsFrom, &SymbolsFromTable(), -1},
        {QStringLiteral("NewWindow"), &s.NewWindow},
    };
}

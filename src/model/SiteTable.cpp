#include "model/SiteTable.h"

#include "model/StockList.h"

const SiteInfo& Site(SiteId id) {
#define TICKVANE_SITE_INFO(name, fileName, ...) \
    {SiteId::name, QStringLiteral(#name), QStringLiteral(fileName), __VA_ARGS__},
    static const PerSite<SiteInfo> table{{TICKVANE_BUILT_IN_SITES(TICKVANE_SITE_INFO)}};
#undef TICKVANE_SITE_INFO
    return ForSite(table, id);
}

QString SiteEnableKey(SiteId id) {
    return Site(id).name + QStringLiteral("_enable");
}

const QString& SiteSymbol(const StockRecord& stock, SiteId site) {
    const QString& alternate = ForSite(stock.Alternates, site);
    return alternate.isEmpty() ? stock.Stock : alternate;
}

const SymbolForms& UsualSymbolForms(SiteId id) {
    static const PerSite<SymbolForms> usual = [] {
        PerSite<SymbolForms> forms;
        for (SiteId site : AllSites) {
            if (const auto* preset =
                    SymbolFormsPresetNamed(QLatin1StringView(Site(site).formsPreset))) {
                ForSite(forms, site) = preset->forms;
            }
        }
        return forms;
    }();
    return ForSite(usual, id);
}

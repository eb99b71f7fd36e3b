#include "model/StartPage.h"

#include "model/ChartSiteRules.h"
#include "model/SiteTable.h"

#include <algorithm>

namespace {
const SiteInfo* FourSitesEntry(const QString& startPage) {
    const auto found = std::find_if(AllSites.begin(), AllSites.end(),
                                    [&](SiteId id) { return Site(id).fileName == startPage; });
    return found == AllSites.end() ? nullptr : &Site(*found);
}

const ChartSiteSettings* TemplateSite(const Model& model, const QString& startPage) {
    const auto found =
        std::find_if(model.chartSites.begin(), model.chartSites.end(),
                     [&](const ChartSiteSettings& site) { return site.FileName == startPage; });
    return found == model.chartSites.end() ? nullptr : &*found;
}
}  // namespace

bool NamesSite(const Model& model, const QString& startPage) {
    return FourSitesEntry(startPage) || TemplateSite(model, startPage);
}

bool NamesEnabledSite(const Model& model, const QString& startPage) {
    if (const ChartSiteSettings* site = TemplateSite(model, startPage)) {
        return ChartSiteInUse(*site);
    }
    const SiteInfo* site = FourSitesEntry(startPage);
    return site && ForSite(model.general.SiteEnabled, site->id);
}

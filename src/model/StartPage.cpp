#include "model/StartPage.h"

#include "model/SiteTable.h"

#include <algorithm>

namespace {
const SiteInfo* FourSitesEntry(const QString& startPage) {
    const auto found = std::find_if(AllSites.begin(), AllSites.end(),
                                    [&](SiteId id) { return Site(id).fileName == startPage; });
    return found == AllSites.end() ? nullptr : &Site(*found);
}
}  // namespace

bool NamesSite(const QString& startPage) {
    return startPage == OwnSiteFileName || FourSitesEntry(startPage) != nullptr;
}

bool NamesEnabledSite(const Model& model, const QString& startPage) {
    if (startPage == OwnSiteFileName) {
        return OwnSiteInUse(model.ownSite);
    }
    const SiteInfo* site = FourSitesEntry(startPage);
    return site && model.general.*(site->enable);
}

#include "sites/ChartSite.h"

const BuiltInSite& ChartSiteFor(SiteId id) {
#define TICKVANE_SITE_OBJECT(name, ...) &BuiltIn##name(),
    static const PerSite<const BuiltInSite*> sites{TICKVANE_BUILT_IN_SITES(TICKVANE_SITE_OBJECT)};
#undef TICKVANE_SITE_OBJECT
    return *ForSite(sites, id);
}

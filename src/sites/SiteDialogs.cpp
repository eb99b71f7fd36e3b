#include "sites/ChartSite.h"

const SiteDialog& SiteDialogOf(SiteId site) {
    return ChartSiteFor(site).dialog();
}

#include "sites/ChartSiteList.h"

ChartSiteList::ChartSiteList(const Model& model) {
    templates_.reserve(model.chartSites.size());
    for (const ChartSiteSettings& settings : model.chartSites) {
        templates_.emplace_back(settings);
    }
    for (SiteId id : AllSites) {
        all_.push_back(&ChartSiteFor(id));
    }
    for (const TemplateSite& site : templates_) {
        all_.push_back(&site);
    }
}

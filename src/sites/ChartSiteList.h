#pragma once

#include "sites/ChartSite.h"
#include "sites/TemplateSite.h"

#include <vector>

// Every chart site in the order of the pages and their "Other sites" links: the four built-in
// sites in SiteId order, then the template sites in theirs. It refers to the model's list of
// template sites, which must not change while it is in use.
class ChartSiteList {
  public:
    explicit ChartSiteList(const Model& model);
    // The list points into itself.
    ChartSiteList(const ChartSiteList&) = delete;
    ChartSiteList& operator=(const ChartSiteList&) = delete;

    auto begin() const { return all_.begin(); }
    auto end() const { return all_.end(); }

  private:
    std::vector<TemplateSite> templates_;
    std::vector<const ChartSite*> all_;
};

#pragma once

#include "model/Model.h"
#include "model/SettingField.h"
#include "model/SiteTable.h"

#include <QString>

// What is particular to one chart site. The page writer, the store and the registry script
// work through this interface in SiteId order and know nothing else about a site.
class ChartSite {
  public:
    virtual ~ChartSite() = default;
    virtual SiteId id() const = 0;

    // The keys of the site's store section, in store and export order, bound to the record
    // of `model`.
    virtual SettingFields fields(Model& model) const = 0;

    // The chart address of a stock whose symbol at this site is `symbol`.
    virtual QString chartAddress(const Model& model, const QString& symbol) const = 0;

    // In the navigation page, does the symbol start a new line after the chart link's tag?
    virtual bool symbolOnNewLine() const { return false; }
};

// The site object of `id`.
const ChartSite& ChartSiteFor(SiteId id);

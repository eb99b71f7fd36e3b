#pragma once

#include "model/Model.h"
#include "model/SettingField.h"
#include "model/SiteTable.h"

#include <QString>
#include <QStringList>

// A chart address with the stock's symbol left open. It depends only on the site's settings,
// so a page prepares it once and fills in each stock's symbol.
struct ChartAddress {
    QStringList pieces;  // the symbol goes between each two neighbours

    QString forSymbol(const QString& symbol) const { return pieces.join(symbol); }
};

// What is particular to one chart site. The page writer, the store and the registry script
// work through this interface in SiteId order and know nothing else about a site.
class ChartSite {
  public:
    virtual ~ChartSite() = default;
    virtual SiteId id() const = 0;

    // The keys of the site's store section, in store and export order, bound to the record
    // of `model`.
    virtual SettingFields fields(Model& model) const = 0;

    // The chart address of this site's current settings in `model`.
    virtual ChartAddress chartAddress(const Model& model) const = 0;

    // How the navigation page names the site in its title and heading.
    virtual QString pageName() const { return Site(id()).name; }

    // In the navigation page, does the symbol start a new line after the chart link's tag?
    virtual bool symbolOnNewLine() const { return false; }
};

// The site object of `id`.
const ChartSite& ChartSiteFor(SiteId id);

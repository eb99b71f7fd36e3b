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
};

// What a navigation page needs of the site it links to: one of the four chart sites or the
// user's own.
class PageSite {
  public:
    virtual ~PageSite() = default;

    // The pages are fileName() + ".html" and fileName() + ".frame.html".
    virtual QString fileName() const = 0;

    // How the navigation page names the site in its title and heading.
    virtual QString pageName() const = 0;

    // The chart address of this site's current settings in `model`.
    virtual ChartAddress chartAddress(const Model& model) const = 0;

    // The symbol a stock is linked with, and shown as the link's text.
    virtual const QString& symbol(const StockRecord& stock) const = 0;

    // The symbol as it goes into the chart address.
    virtual QString addressSymbol(const QString& symbol) const { return symbol; }

    // Where the chart links open: the chart frame, or a window of their own.
    virtual const char* chartTarget() const { return "right"; }

    // In the navigation page, does the symbol start a new line after the chart link's tag?
    virtual bool symbolOnNewLine() const { return false; }
};

// What is particular to one of the four chart sites. The page writer, the store and the
// registry script work through this interface in SiteId order and know nothing else about a
// site.
class ChartSite : public PageSite {
  public:
    virtual SiteId id() const = 0;

    // The keys of the site's store section, in store and export order, bound to the record
    // of `model`.
    virtual SettingFields fields(Model& model) const = 0;

    QString fileName() const override { return Site(id()).fileName; }
    QString pageName() const override { return Site(id()).name; }
    const QString& symbol(const StockRecord& stock) const override {
        return SiteSymbol(stock, id());
    }
};

// The site object of `id`.
const ChartSite& ChartSiteFor(SiteId id);

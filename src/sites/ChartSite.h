#pragma once

#include "model/ChartAddress.h"
#include "model/Model.h"
#include "model/SettingField.h"
#include "model/SiteTable.h"
#include "sites/SiteDialog.h"

#include <QString>

// What the page writer needs of a chart site, built in or made from an address template. It
// writes every site's pages through this interface, in the order of ChartSiteList.
class ChartSite {
  public:
    virtual ~ChartSite() = default;

    // The site's name in the other pages' "Other sites" links.
    virtual QString name() const = 0;

    // The pages are fileName() + ".html" and fileName() + ".frame.html".
    virtual QString fileName() const = 0;

    // How the navigation page names the site in its title and heading.
    virtual QString pageName() const { return name(); }

    // How the frameset page names the site in its title.
    virtual QString frameTitle() const { return name(); }

    // The chart address of this site's current settings in `model`.
    virtual ChartAddress chartAddress(const Model& model) const = 0;

    // Whose symbols its links use: the alternate symbols of the built-in site of that SiteId,
    // each falling back to the stock's own symbol where it is empty, or -1 for the stocks' own.
    virtual qint16 symbolsFrom() const = 0;

    // Its table "exchange -> symbol form" (sites/SiteSymbols.h says how a stock's symbol on
    // the site is chosen).
    virtual const SymbolForms& symbolForms(const Model& model) const = 0;

    // Where its charts open: an index into DisplayTable().
    virtual qint16 display(const Model& model) const = 0;

    // Whether its navigation page is written and linked from the other pages.
    virtual bool enabled(const Model& model) const = 0;

    // Whether its frameset page is written.
    virtual bool framePageWritten(const Model& model) const { return enabled(model); }

    // May the chart frame scroll?
    virtual bool scrollsChartFrame() const { return true; }

    // In the navigation page, does the symbol start a new line after the chart link's tag?
    virtual bool symbolOnNewLine() const { return false; }
};

// What is particular to one of the built-in chart sites. The page writer, the store, the
// registry script and the option dialogs work through this interface in SiteId order and know
// nothing else about a site.
class BuiltInSite : public ChartSite {
  public:
    virtual SiteId id() const = 0;

    // The keys of the site's store section, in store and export order, bound to the record
    // of `model`.
    virtual SettingFields fields(Model& model) const = 0;

    // Its options dialog.
    virtual const SiteDialog& dialog() const = 0;

    QString name() const override { return Site(id()).name; }
    QString fileName() const override { return Site(id()).fileName; }
    QString frameTitle() const override { return fileName(); }
    qint16 symbolsFrom() const override { return static_cast<qint16>(id()); }
    qint16 display(const Model& model) const override { return ForSite(model.siteDisplay, id()); }
    const SymbolForms& symbolForms(const Model& model) const override {
        return ForSite(model.siteForms, id());
    }
    bool enabled(const Model& model) const override {
        return ForSite(model.general.SiteEnabled, id());
    }
    // Written whether the site is enabled or not.
    bool framePageWritten(const Model&) const override { return true; }
};

// The site object of `id`.
const BuiltInSite& ChartSiteFor(SiteId id);

// Each site's file, sites/<name>.cpp, defines its object, BuiltInBigCharts() ...
#define TICKVANE_SITE_OBJECT(name, ...) const BuiltInSite& BuiltIn##name();
TICKVANE_BUILT_IN_SITES(TICKVANE_SITE_OBJECT)
#undef TICKVANE_SITE_OBJECT

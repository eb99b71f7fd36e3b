#pragma once

#include "model/ChartSiteSettings.h"
#include "model/GeneralSettings.h"
#include "model/SiteSettings.h"
#include "model/SiteTable.h"
#include "model/StockList.h"

#include <array>
#include <vector>

// The symbol forms of every built-in site when none are stored.
PerSite<SymbolForms> UsualSiteForms();

// What the option dialogs set: everything the program knows but the list and the flags.
struct ModelOptions {
    GeneralSettings general;
    std::array<CustomURLEntry, 2> custom;
    BigChartsSettings bigCharts;
    StockMasterSettings stockMaster;
    StockPointSettings stockPoint;
    YahooSettings yahoo;
    // Where the charts of the built-in sites open, in SiteId order (key Display of each one's
    // section): an index into DisplayTable().
    PerSite<qint16> siteDisplay{};
    // Each built-in site's symbol forms (key SymbolForms of its section).
    PerSite<SymbolForms> siteForms = UsualSiteForms();
    // The template chart sites, at most ChartSiteLimit, in the order their links appear.
    std::vector<ChartSiteSettings> chartSites;

    bool operator==(const ModelOptions&) const = default;
};

// Everything the program knows. main() owns the one instance and hands out references.
struct Model : ModelOptions {
    StockList list;

    // The model differs from what was last loaded or saved.
    bool SettingsChanged = false;
    // Pages have been written since the defaults were last applied.
    bool PagesGenerated = false;

    bool operator==(const Model&) const = default;
};

// Puts every setting back to its default and empties the list (old entries stay in the
// arrays, unused); the pages go to `htmlDir`. Clears both flags. Touches neither the store
// nor any window.
void ApplyDefaults(Model& model, const QString& htmlDir);

// Installs the starter list shown to a first-time user. Does not set SettingsChanged.
void DefaultStockList(Model& model);

#pragma once

#include "model/ChartSiteSettings.h"

#include <span>
#include <vector>

// Chart sites offered when a site is added: documented public address forms that the program
// cannot check without going on the network, so a preset is only a starting point.
struct ChartSitePreset {
    const char* name;
    const char* addressTemplate;
    qint16 symbolsFrom;
    const char* formsPreset;  // the preset of symbol forms the site starts with, or ""
};

std::span<const ChartSitePreset> ChartSitePresets();

// A site made from `preset` for the list `sites`: enabled, opening its charts in one new
// window, with a name and a file name no other site has ("Finviz 2" when there is a Finviz).
ChartSiteSettings SiteFromPreset(const ChartSitePreset& preset,
                                 const std::vector<ChartSiteSettings>& sites);

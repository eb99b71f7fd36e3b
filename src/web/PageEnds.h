#pragma once

#include "model/Model.h"
#include "sites/ChartSiteList.h"

#include <string>

// Every line of a page ends so.
inline constexpr char LineEnd[] = "\r\n";

// What follows a stock's chart link: a non-breaking space when lines must not wrap.
inline const char* LinkSeparator(bool noLineWraps) {
    return noLineWraps ? "&nbsp;" : " ";
}

// Appends the custom links block, or nothing when both custom links are disabled. A link to
// an address that may not be linked shows its description alone.
void WriteCustomLinks(std::string& page, const Model& model);

// Appends the custom links, the links to the frameset pages of the other enabled sites of
// `sites`, in their order, and the closing tags of the navigation page of `pageSite`.
void WriteOtherSitesAndClose(std::string& page, const Model& model, const ChartSiteList& sites,
                             const ChartSite& pageSite);

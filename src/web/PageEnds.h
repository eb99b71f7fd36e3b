#pragma once

#include "model/Model.h"
#include "model/SiteTable.h"

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

// Appends the custom links, the links to the other enabled sites' frameset pages (the own
// site's after Yahoo) and the closing tags of the navigation page of the site whose file name
// is `pageSite`.
void WriteOtherSitesAndClose(std::string& page, const Model& model, const QString& pageSite);

#pragma once

#include "model/Model.h"
#include "sites/ChartSite.h"

#include <string>

// The navigation page of `site`: every type as a heading and every stock as a link to the
// site's chart of it, then the custom and other-site links. The same for every site; a site
// supplies only its name, its chart address, its symbols and where the symbol goes.
std::string NavigationPage(const Model& model, const PageSite& site);

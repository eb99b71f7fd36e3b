#pragma once

#include "model/Model.h"
#include "sites/ChartSiteList.h"
#include "web/StockRowEnds.h"

#include <string>

// Makes `page` the navigation page of `site`: every type as a heading and every stock as a link to
// the site's chart of it, then the custom links and the links to the other enabled sites of
// `sites`. The same for every site; a site supplies only its name, its chart address, its
// symbols, where its charts open and where the symbol goes; the rows end as `rowEnds`, made of
// the same model, says.
void MakeNavigationPage(std::string& page, const Model& model, const ChartSiteList& sites,
                        const ChartSite& site, const StockRowEnds& rowEnds);

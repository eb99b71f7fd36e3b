#pragma once

#include "model/Model.h"
#include "sites/ChartSiteList.h"

#include <string>

// index.html, the one-page chart browser: a filter, a drop-down of the enabled sites of
// `sites` with the start page's site chosen, the list of stocks, the custom links and a chart
// frame. Its script builds each site's chart addresses from the site's fixed pieces and each
// stock's symbols, so the page grows with the list and not with the number of sites. With
// scripts off, a plain list links every stock to its chart on the start page's site.
std::string OnePage(const Model& model, const ChartSiteList& sites);

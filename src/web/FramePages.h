#pragma once

#include "model/Model.h"
#include "sites/ChartSiteList.h"
#include "web/PageFiles.h"

// Writes the frameset page of each site that has one (the four built-in sites, enabled or
// not, and every enabled template site) and blank.html, the chart frame's start page. Stops
// at the first file that cannot be written.
bool WriteFramePages(const Model& model, const ChartSiteList& sites, PageFiles& files);

#pragma once

#include "model/Model.h"
#include "web/PageFiles.h"

// Writes the frameset page of each of the four sites, enabled or not, and blank.html, the
// chart frame's start page. Stops at the first file that cannot be written.
bool WriteFramePages(const Model& model, PageFiles& files);

// A frameset page titled "Stock charts from " + `title`: the navigation page `fileName` +
// ".html" on the left, blank.html in the chart frame on the right.
QByteArray FramePage(const QByteArray& title, const QByteArray& fileName, bool scrollChart);

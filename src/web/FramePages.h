#pragma once

#include "model/Model.h"
#include "web/PageFiles.h"

// Writes the frameset page of each of the four sites, enabled or not, and blank.html, the
// chart frame's start page. Stops at the first file that cannot be written.
bool WriteFramePages(const Model& model, PageFiles& files);

#pragma once

#include "model/Model.h"
#include "web/PageFiles.h"

// Writes "own.frame.html" and "own.html" when the own chart site is in use; otherwise writes
// nothing and an earlier "own.html" stays as it was.
bool WriteOwnSitePages(const Model& model, PageFiles& files);

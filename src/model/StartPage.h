#pragma once

#include "model/Model.h"

#include <QString>

// StartPage names the site whose frameset page the browser opens: one of the four sites'
// file names or the FileName of a template chart site, compared exactly.
bool NamesSite(const Model& model, const QString& startPage);

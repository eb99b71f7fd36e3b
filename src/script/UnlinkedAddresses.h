#pragma once

#include "model/Model.h"

#include <QString>

// One warning about the addresses in `model` that the pages show without a link (custom links,
// then the stocks' home pages), a line for each that names its key and `source`; empty when
// every address can be linked. The values themselves are the user's and stay as they are.
QString UnlinkedAddressWarning(const Model& model, const QString& source);

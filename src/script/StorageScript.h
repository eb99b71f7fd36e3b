#pragma once

#include "model/Model.h"
#include "settings/Storage.h"
#include "settings/StoreResult.h"
#include "settings/WindowGeometry.h"

#include <QString>

// Writes the registry script of the model as it stands in memory. A device or FIFO is written
// into, "-" is standard output; the store's files are refused (Storage::writeRefusal).
StoreResult ExportScript(const Storage& storage, Model& model, const WindowGeometry& geometry,
                         const QString& scriptFile);

// Replaces the whole store by the script's values, or leaves it untouched when the script is
// refused. The warnings say what loading the new store will repair and which addresses the
// pages will show without a link. The caller then applies the defaults and loads again.
StoreResult ImportScript(const Storage& storage, const QString& scriptFile);

#pragma once

#include "model/Model.h"
#include "store/SettingsStore.h"
#include "store/WindowGeometry.h"

#include <QString>
#include <optional>

// Reads every section over the model's current values and clears SettingsChanged. Values the
// model cannot hold keep the field's value. Places the window (when not null) on the stored
// geometry when UseSavedGeometry is set and all four values are at least 1. Returns why the
// stored stock list had to be repaired, if it had to.
std::optional<QString> LoadAllSettings(const SettingsStore& store, Model& model,
                                       WindowGeometry* geometry);

// Writes every key of every section; deletes nothing but a section left out for holding only
// its defaults (OwnSite).
void SaveAllSettings(SettingsStore& store, Model& model, const TwipsGeometry& geometry);

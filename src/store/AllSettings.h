#pragma once

#include "model/Model.h"
#include "store/SettingsStore.h"
#include "store/WindowGeometry.h"

#include <QString>
#include <QStringList>

// Reads every section over the model's current values and clears SettingsChanged. Values the
// model cannot hold keep the field's value; an HtmlDir that is no full path here gives way to
// the default folder. Places the window (when not null) on the stored geometry when
// UseSavedGeometry is set and all four values are at least 1, or always when the geometry
// keeps the stored values. Returns a warning for each repair, naming `source`.
QStringList LoadAllSettings(const SettingsStore& store, Model& model, WindowGeometry* geometry,
                            const QString& source);

// Writes every key of every section; deletes nothing but a section left out for holding only
// its defaults (OwnSite), and returns the names of the sections so left out.
QStringList SaveAllSettings(SettingsStore& store, Model& model, const TwipsGeometry& geometry);

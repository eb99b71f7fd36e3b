#pragma once

#include "model/Model.h"
#include "settings/SettingsStore.h"
#include "settings/WindowGeometry.h"

#include <QSet>
#include <QString>
#include <QStringList>
#include <utility>

// Reads every section over the model's current values and clears SettingsChanged. Values the
// model cannot hold keep the field's value; an HtmlDir that is no full path here gives way to
// `defaultHtmlDir`. Places the window (when not null) on the stored geometry when
// UseSavedGeometry is set and all four values are at least 1, or always when the geometry
// keeps the stored values. Returns a warning for each repair, naming `source`.
QStringList LoadAllSettings(const SettingsStore& store, Model& model, WindowGeometry* geometry,
                            const QString& source, const QString& defaultHtmlDir);

// What a save leaves out on purpose: sections with nothing to hold (OwnSite, the template
// sites' while there are fewer of them) and keys stored only when set, the unset exchanges
// of the stocks in use among them.
struct LeftOut {
    QStringList sections;
    QSet<std::pair<QString, QString>> keys;  // section, key

    bool hasKey(const QString& section, const QString& key) const;
};

// Writes every key of every section; deletes nothing but the sections left out, and returns
// what it left out.
LeftOut SaveAllSettings(SettingsStore& store, Model& model, const TwipsGeometry& geometry);

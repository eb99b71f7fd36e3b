#pragma once

#include "files/StoreIdentity.h"
#include "model/Model.h"
#include "settings/StoreResult.h"
#include "settings/WindowGeometry.h"

#include <QByteArray>
#include <QString>

// The unsaved state of a window, kept beside its settings file so that a session that ends
// without a save (a kill, a power cut) loses nothing. It is the store's own text with one
// section more, which names the settings file's state the changes were made over.

// "<settings file>.recovery"
QString RecoveryFileOf(const QString& storeFile);

// The recovery file's bytes: every setting as a save would store it.
QByteArray RecoveryText(Model model, const TwipsGeometry& geometry, const StoreIdentity& basedOn);

// Writes the recovery file of `storeFile`; a new one takes the settings file's permissions.
// Returns the reason on failure, else empty.
QString WriteRecovery(const QString& storeFile, const QByteArray& text);

struct Recovery {
    bool found = false;
    // The settings file is no longer what the changes were made over.
    bool storeChanged = false;
    StoreResult loaded;
};

// Reads the recovery file of `storeFile` over the defaults in `model`.
Recovery ReadRecovery(const QString& storeFile, Model& model, const QString& defaultHtmlDir);

#pragma once

#include "files/StoreIdentity.h"

#include <QString>
#include <QStringList>

// Outcome of a whole-store or file operation. A failure's `error` names the file and the
// reason; `warnings` are things the user should know even on success (a repaired list).
struct StoreResult {
    bool ok = true;
    QString error;
    QStringList warnings;
    // The settings file as a load read it or a save wrote it.
    StoreIdentity storeIdentity;
};

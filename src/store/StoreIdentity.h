#pragma once

#include <QByteArray>
#include <QString>

// The settings file as the window last read or wrote it. Another program's change to the file
// (an editor, a sync tool) shows as a different identity, even one that keeps size and time.
struct StoreIdentity {
    qint64 size = -1;  // -1: there is no file
    qint64 modifiedNs = 0;
    QByteArray hash;

    bool operator==(const StoreIdentity&) const = default;
};

// The identity of the file as it is now.
StoreIdentity IdentityOf(const QString& storeFile);

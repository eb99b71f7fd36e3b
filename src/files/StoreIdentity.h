#pragma once

#include <QByteArray>
#include <QString>

// The settings file as the window last read or wrote it. Another program's change to the file
// (an editor, a sync tool) shows as a different identity, even one that keeps size and time.
// The content is kept whole: comparing it costs no more than hashing it would.
struct StoreIdentity {
    qint64 size = -1;  // -1: there is no file
    qint64 modifiedNs = 0;
    QByteArray content;

    bool operator==(const StoreIdentity&) const = default;
};

// The identity of the file as it is now.
StoreIdentity IdentityOf(const QString& storeFile);
// The identity of the file open as `descriptor`, which was read as `content`: exactly what a
// load used, however soon another program replaces the file.
StoreIdentity IdentityOfRead(int descriptor, const QByteArray& content);
// The identity of `storeFile` just after it was written as `content`. Should another program
// replace it at once, its time and size differ from ours and the change still shows.
StoreIdentity IdentityOfWritten(const QString& storeFile, const QByteArray& content);

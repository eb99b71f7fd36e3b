#pragma once

#include <QByteArray>
#include <QString>

// The whole-file writer's dealings with the folder of the file it replaces, by the file's name
// as the system takes it.

// The name of a new file beside `target` that will replace it.
QByteArray TempNameOf(const QByteArray& target, quint32 random);

// Removes the files that writes of `target` killed half-way left beside it: those named as
// TempNameOf() names them and older than this program, so never a write going on now.
void RemoveKilledTemps(const QByteArray& target);

// Flushes the folder of `target`: until then a power cut may bring back the file a rename
// replaced. A file system that cannot flush a folder says so as it does for files; returns the
// reason of any other failure, else empty.
QString FlushFolderOf(const QByteArray& target);

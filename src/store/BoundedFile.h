#pragma once

#include <QByteArray>
#include <QString>

// Far above the largest store or script the program writes at its capacities: a larger file is
// not one of its own, and reading it whole could exhaust memory (/dev/zero never ends).
inline constexpr qint64 MaxSettingsFileBytes = qint64(64) << 20;

struct BoundedFile {
    QByteArray bytes;
    bool missing = false;   // there is no such file
    bool tooLarge = false;  // more than MaxSettingsFileBytes: nothing was kept
    QString error;          // the system's reason when it could not be read
};

// The whole content of `path`, unless it holds more than MaxSettingsFileBytes. A pipe or a
// device is read until it ends or passes the limit.
BoundedFile ReadBoundedFile(const QString& path);

#pragma once

#include <QByteArray>
#include <QtGlobal>

class QFile;

// Far above the largest file the program writes at its capacities; a larger file is not its
// store, one of its scripts or lists, and reading it whole could exhaust memory (/dev/zero
// never ends).
inline constexpr qint64 MaxInputBytes = qint64(64) << 20;

// Reads the open `file` whole into `bytes`; false, with nothing read, when it holds more than
// MaxInputBytes.
bool ReadBounded(QFile& file, QByteArray& bytes);

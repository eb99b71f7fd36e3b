#pragma once

#include "listfiles/ListReader.h"
#include "model/StockList.h"

#include <QString>

// Lists in files: read in any of their forms, written as CSV.

// Reads the list in `path` ("-": standard input), which may hold at most 64 MiB. Anything but
// a regular file (a folder, named pipe, socket or device) is refused unread, saying what it is.
ListReading ReadListFile(const QString& path);

// The name of the type that takes the rows naming none when the list has no type: the file's
// name without its extension, or "Added" for standard input.
QString ListTypeName(const QString& path);

// How a file is named in messages: its path in quotes, or "standard input" for "-".
QString ListFileSource(const QString& path);

// Why the list from `source` could not be read: "SOURCE, line N: problem." or, for a problem
// of the whole text, "SOURCE problem.".
QString ListReadingMessage(const QString& source, const ListReading& reading);

// Writes the list as CSV into `path` ("-": standard output; a device or FIFO is written into).
// Returns why it could not, naming the file, or empty.
QString WriteListFile(const StockList& list, const QString& path);

#pragma once

#include <QString>

class Storage;

// --add-list FILE: adds the stocks of a list file ("-": standard input) to the stored list as
// the preview's Add would, with the last type for rows that name none. When no list is stored
// the stocks start a list of their own. Prints each skipped or refused row on standard error
// and a summary on standard output. Exit code 0 when the file was read; 1 when it could not be
// read, or the rows would pass a capacity (then nothing is added), or the store not written.
int AddListFrom(const Storage& storage, const QString& file);

// --export-list FILE: writes the list the window would show as CSV ("-": standard output).
int ExportListTo(const Storage& storage, const QString& file);

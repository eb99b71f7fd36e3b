#pragma once

#include <QString>

class Storage;

// The exit status of --add-list when rows were refused and the others added.
inline constexpr int RowsRefusedExit = 3;

// --add-list FILE: adds the stocks of a list file ("-": standard input) to the stored list as
// the preview's Add would, with the last type for rows that name none. When no list is stored
// the stocks start a list of their own, in a type named after the file. Prints each skipped or
// refused row on standard error and a summary on standard output. Exit code 0 when every row
// was added or a duplicate; RowsRefusedExit when rows were refused; 1 when the file could not
// be read, or the rows would pass a capacity (then nothing is added), or the store not written.
int AddListFrom(const Storage& storage, const QString& file);

// --export-list FILE: writes the list the window would show as CSV ("-": standard output).
int ExportListTo(const Storage& storage, const QString& file);

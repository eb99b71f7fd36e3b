#pragma once

#include <QString>

// The rules for the folder the pages are written to, as the user types or chooses it.

// "~/" at the start stands for the home folder; any other text comes back unchanged.
QString ExpandHome(const QString& path);

// Why the pages cannot go to `path`, or an empty text when they can. An empty path would
// become the root of the file system, a relative one would depend on where the program was
// started, and a file cannot hold pages. A folder that does not exist yet is accepted: page
// generation creates it.
QString HtmlDirProblem(const QString& path);

// The folder part of a chosen file: everything up to and including the last separator.
QString FolderOf(const QString& file);

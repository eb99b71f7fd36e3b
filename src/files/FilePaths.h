#pragma once

#include <QString>

// Paths as the system reads them: through symbolic links, to one file whatever its name.

// The file `path` names once its links are followed: `path` itself when it is no link. A link
// to nothing gives the path it names, where a write would make the file.
QString LinkTarget(const QString& path);

// One name for each file, also before it exists: the full path with every link resolved, in
// the folders too. Two names of one file (a link, "..") give the same text.
QString ResolvedPath(const QString& path);

// Whether both paths name one file that exists (its device and inode), through links.
bool IsSameFile(const QString& a, const QString& b);

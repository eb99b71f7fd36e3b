#pragma once

#include <QString>

// The separator that ends HtmlDir; file names are appended to HtmlDir directly.
inline constexpr QChar HtmlDirSeparator = u'/';

// Where pages go until the user chooses, for a program in `programDir`: that directory when
// the user may write there (a build tree, a portable copy), otherwise a per-user data
// directory. An installed program (under /usr, /opt, /bin, /sbin or /lib) always takes the
// data directory, also when root may write its folder.
QString DefaultHtmlDirFor(const QString& programDir);

// The path with exactly one trailing separator.
QString WithTrailingSeparator(const QString& path);

// Whether a stored HtmlDir names a folder here: a full path of this system. A relative path or
// one written on Windows (C:\Charts\) would make a folder of that name wherever the program
// runs.
bool IsLocalFullPath(const QString& path);

#pragma once

#include "store/StoreSections.h"

#include <QByteArray>

// The INI text of `sections`, UTF-8 with LF line ends, as QSettings reads it back: the
// section "General" holds the keys outside any group, a value is quoted when it holds INI
// syntax, and what the format would read otherwise (backslashes, quotes, control characters, a
// leading "@") is escaped.
QByteArray IniText(const StoreSections& sections);

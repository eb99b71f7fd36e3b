#pragma once

#include "settings/StoreSections.h"

#include <QByteArray>
#include <QByteArrayView>
#include <QStringList>

// The store's file: INI text, read and written only here.

// The INI text of `sections`, UTF-8 with LF line ends: the section "General" holds the keys
// outside any group, a value is quoted when it holds INI syntax, and what the reader would
// take otherwise (backslashes, quotes, control characters, a leading "@") is escaped.
QByteArray IniText(const StoreSections& sections);

struct IniContent {
    // In the order of the text; a section or a key may come more than once.
    StoreSections sections;
    bool malformedLines = false;  // lines that are neither a section, a key nor a comment
    QStringList undecodedKeys;    // "section/key" of each line that is not valid UTF-8
};

// Reads INI text as IniText writes it and as QSettings wrote it: a UTF-8 byte-order mark, CR LF
// line ends, comments, quoted values, C escapes, %XX and %UXXXX in names, a backslash that
// continues a line. QSettings' typed values ("@Variant(...)", "@ByteArray(...)") stay text;
// "@@" stands for "@".
IniContent ReadIniText(QByteArrayView bytes);

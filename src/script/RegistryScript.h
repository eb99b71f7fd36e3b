#pragma once

#include "settings/StoreSections.h"

#include <QByteArray>
#include <QString>
#include <QStringList>

// Registry script files (REGEDIT4): the form in which the settings are exported and imported.
// Only values under this program's key are read or written.

struct ScriptText {
    QByteArray bytes;      // UTF-8, CR LF line ends
    QStringList warnings;  // values the format could not carry unchanged
};

// The script of `sections`, in their order.
ScriptText WriteRegistryScript(const StoreSections& sections);

// A value of another registry type (dword:, hex:...): no value of this program has one.
struct OtherTypeValue {
    QString section;
    QString key;
    qsizetype line = 0;
};

struct ScriptContent {
    bool ok = false;
    QString reason;  // why the bytes are not a script of this program, when !ok
    StoreSections sections;
    std::vector<OtherTypeValue> otherTypes;
};

// Reads a script: UTF-8, Windows-1252 when not valid UTF-8, UTF-16LE after its byte-order mark.
ScriptContent ReadRegistryScript(const QByteArray& bytes);

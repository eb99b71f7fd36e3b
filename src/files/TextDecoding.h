#pragma once

#include <QByteArrayView>
#include <QString>

// The text of a file read from outside (a registry script, a list): UTF-16 (either byte
// order) after its byte-order mark; otherwise UTF-8 (after an optional byte-order mark) when
// the bytes are valid UTF-8, else Windows-1252. The result is always valid UTF-16: a lone
// surrogate becomes U+FFFD.
QString DecodeText(QByteArrayView bytes);

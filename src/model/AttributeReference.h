#pragma once

#include <QString>
#include <QStringView>

// How a browser reads an "&" in a quoted attribute value such as an href: as the start of a
// character reference ("&#58;", "&#x3a", "&colon;", "&amp" before a blank) or as itself.
struct AttributeReference {
    qsizetype length = 0;  // what the reference takes, "&" included; 0 when "&" stands for itself
    QString text;          // what the browser reads in its place
};

// The reference at the start of `text`, which starts with "&" and ends where the value does.
// Numeric references are read in full. Of the named ones only those that stand for a tab, a
// line break or a character of an address scheme (":", "+", ".", "fj") are spelled out; any
// other name, and any other name followed by ";" whether the browser knows it or not, reads
// as U+FFFD, which like what it stands for can neither be part of a scheme nor be dropped.
AttributeReference ReadAttributeReference(QStringView text);

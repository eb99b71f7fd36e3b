#pragma once

#include <QByteArray>
#include <QStringView>
#include <string>

// Text made safe for a page: "&", the double quote, "<" and ">" become entities, each blank
// becomes "&nbsp;" when `noLineWraps`, and, since pages declare no charset, every character
// outside ASCII becomes a decimal character reference ("é" -> "&#233;"). A control character
// (below U+0020) is written as a blank.
QByteArray HtmlText(QStringView text, bool noLineWraps);
void AppendHtmlText(std::string& out, QStringView text, bool noLineWraps);

// An address for a double-quoted href value. It is written as it stands except for what
// would end the value or open a tag (" < > become %22 %3C %3E), control characters and
// characters outside ASCII, which are percent-encoded as UTF-8.
void AppendHrefValue(std::string& out, QStringView address);

// As AppendHrefValue, for an address the browser must read exactly as it stands: an "&" it
// would read as the start of a character reference is written "&amp;". When the value goes
// on after `address` (`continued`), so is an "&" whose reading that could change.
void AppendLiteralHrefValue(std::string& out, QStringView address, bool continued);

#pragma once

#include <QStringView>
#include <string>

// Appends `text` as a JSON string for the data block of a page's script: in double quotes,
// with the quote, the backslash, control characters, "<" (which could end the script element)
// and every character outside ASCII as escapes of their UTF-16 units. The page stays ASCII and
// the script reads back exactly the text that was written, whatever it holds.
void AppendJsonString(std::string& out, QStringView text);

#include "script/RegistryScript.h"
#include "script/RegistryScriptSyntax.h"

#include <QCoreApplication>
#include <string>

namespace {

using namespace RegistryScriptSyntax;

// The script is built as UTF-16 in a std::u16string, whose appends are cheap, and turned into
// UTF-8 once at the end.
using ScriptBuffer = std::u16string;

// The characters a quoted value cannot hold as they are: the backslash, the double quote and
// the line breaks. A bit mask keeps the test to a comparison or two: it runs for every
// character of the script.
bool NeedsEscape(char16_t c) {
    constexpr quint64 below64 = 1ULL << u'"' | 1ULL << u'\r' | 1ULL << u'\n';
    return c < 64 ? (below64 >> c & 1) != 0 : c == u'\\';
}

// Appends `text` in double quotes with every backslash and double quote escaped, so that
// reading the script gives the text back. A line cannot hold a line break, so each one becomes
// a blank; returns whether there was any.
bool AppendQuoted(ScriptBuffer& out, QStringView text) {
    bool replacedBreak = false;
    out += u'"';
    const char16_t* units = text.utf16();
    qsizetype runStart = 0;  // the characters since the last one that needed a change
    for (qsizetype i = 0; i < text.size(); ++i) {
        const char16_t c = units[i];
        if (!NeedsEscape(c)) {
            continue;
        }
        out.append(units + runStart, static_cast<size_t>(i - runStart));
        if (c == u'\r' || c == u'\n') {
            out += u' ';
            replacedBreak = true;
        } else {
            out += u'\\';
            out += c;
        }
        runStart = i + 1;
    }
    out.append(units + runStart, static_cast<size_t>(text.size() - runStart));
    out += u'"';
    return replacedBreak;
}

void AppendLine(ScriptBuffer& out, QStringView line) {
    out.append(line.utf16(), static_cast<size_t>(line.size()));
    out += u"\r\n";
}

void AppendSection(ScriptBuffer& out, const StoreSection& section, QStringList& warnings) {
    AppendLine(out, QStringLiteral("[%1\\%2]").arg(kProgramKey, section.name));
    for (const auto& [key, value] : section.values) {
        const bool keyBroken = AppendQuoted(out, key);
        out += u'=';
        if (AppendQuoted(out, value) || keyBroken) {
            warnings +=
                //: %1 is a key of the settings, %2 its section.
                QCoreApplication::translate(
                    "RegistryScript", "The line breaks in %1 of section %2 were written as blanks.")
                    .arg(key, section.name);
        }
        out += u"\r\n";
    }
}

// Room for the whole script, so that it is not copied while it grows.
size_t ScriptLength(const StoreSections& sections) {
    constexpr qsizetype headerRoom = 256;
    constexpr qsizetype lineRoom = 8;  // quotes, "=", line end
    qsizetype length = headerRoom;
    for (const StoreSection& section : sections) {
        length += headerRoom;
        for (const auto& [key, value] : section.values) {
            length += key.size() + value.size() + lineRoom;
        }
    }
    return static_cast<size_t>(length);
}

}  // namespace

ScriptText WriteRegistryScript(const StoreSections& sections) {
    ScriptText script;
    ScriptBuffer text;
    text.reserve(ScriptLength(sections));
    AppendLine(text, kRegedit4Header);
    AppendLine(text, u"");
    AppendLine(text, QStringLiteral("[%1]").arg(kProgramKey));
    for (const StoreSection& section : sections) {
        AppendLine(text, u"");
        AppendSection(text, section, script.warnings);
    }
    script.bytes = QStringView(text).toUtf8();
    return script;
}

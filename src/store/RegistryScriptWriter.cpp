#include "model/AsciiRuns.h"
#include "store/RegistryScript.h"
#include "store/RegistryScriptSyntax.h"

#include <string>

namespace {

using namespace RegistryScriptSyntax;

// The characters a quoted value cannot hold as they are: the backslash, the double quote and
// the line breaks. A bit mask keeps the test to a comparison or two: it runs for every
// character of the script.
bool NeedsEscape(char32_t c) {
    constexpr quint64 below64 = 1ULL << U'"' | 1ULL << U'\r' | 1ULL << U'\n';
    return c < 64 ? (below64 >> c & 1) != 0 : c == U'\\';
}

// Appends `text` as UTF-8 in double quotes with every backslash and double quote escaped, so
// that reading the script gives the text back. A line cannot hold a line break, so each one
// becomes a blank; returns whether there was any.
bool AppendQuoted(std::string& out, QStringView text) {
    bool replacedBreak = false;
    out += '"';
    AppendAsciiRuns(out, text, NeedsEscape, [&](char32_t c, QStringView units) {
        if (c == U'\r' || c == U'\n') {
            out += ' ';
            replacedBreak = true;
        } else if (c < 0x80) {
            out += '\\';
            out += static_cast<char>(c);
        } else {
            const QByteArray utf8 = units.toUtf8();
            out.append(utf8.constData(), static_cast<size_t>(utf8.size()));
        }
    });
    out += '"';
    return replacedBreak;
}

void AppendLine(std::string& out, QStringView line) {
    out += line.toUtf8().toStdString();
    out += "\r\n";
}

void AppendSection(std::string& out, const StoreSection& section, QStringList& warnings) {
    AppendLine(out, QStringLiteral("[%1\\%2]").arg(kProgramKey, section.name));
    for (const auto& [key, value] : section.values) {
        const bool keyBroken = AppendQuoted(out, key);
        out += '=';
        if (AppendQuoted(out, value) || keyBroken) {
            warnings +=
                QStringLiteral("The line breaks in %1 of section %2 were written as blanks.")
                    .arg(key, section.name);
        }
        out += "\r\n";
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
    std::string text;
    text.reserve(ScriptLength(sections));
    AppendLine(text, kRegedit4Header);
    AppendLine(text, u"");
    AppendLine(text, QStringLiteral("[%1]").arg(kProgramKey));
    for (const StoreSection& section : sections) {
        AppendLine(text, u"");
        AppendSection(text, section, script.warnings);
    }
    script.bytes = QByteArray::fromStdString(text);
    return script;
}

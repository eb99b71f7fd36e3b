#include "store/RegistryScript.h"
#include "store/RegistryScriptSyntax.h"

namespace {

using namespace RegistryScriptSyntax;

// Appends `text` in double quotes with every backslash and double quote escaped, so that
// reading the script gives the text back. A line cannot hold a line break, so each one becomes
// a blank; returns whether there was any.
bool AppendQuoted(QString& line, QStringView text) {
    bool replacedBreak = false;
    line += u'"';
    for (QChar c : text) {
        if (c == u'\\' || c == u'"') {
            line += u'\\';
        } else if (c == u'\r' || c == u'\n') {
            c = u' ';
            replacedBreak = true;
        }
        line += c;
    }
    line += u'"';
    return replacedBreak;
}

void AppendLine(QString& text, QStringView line) {
    text += line;
    text += u"\r\n";
}

void AppendSection(QString& text, const StoreSection& section, QStringList& warnings) {
    AppendLine(text, QStringLiteral("[%1\\%2]").arg(kProgramKey, section.name));
    for (const auto& [key, value] : section.values) {
        const bool keyBroken = AppendQuoted(text, key);
        text += u'=';
        if (AppendQuoted(text, value) || keyBroken) {
            warnings +=
                QStringLiteral("The line breaks in %1 of section %2 were written as blanks.")
                    .arg(key, section.name);
        }
        text += u"\r\n";
    }
}

}  // namespace

ScriptText WriteRegistryScript(const StoreSections& sections) {
    ScriptText script;
    QString text;
    AppendLine(text, kRegedit4Header);
    AppendLine(text, u"");
    AppendLine(text, QStringLiteral("[%1]").arg(kProgramKey));
    for (const StoreSection& section : sections) {
        AppendLine(text, u"");
        AppendSection(text, section, script.warnings);
    }
    script.bytes = text.toUtf8();
    return script;
}

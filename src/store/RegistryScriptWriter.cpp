#include "store/RegistryScript.h"
#include "store/RegistryScriptSyntax.h"

namespace {

using namespace RegistryScriptSyntax;

// Every backslash and double quote escaped, so that reading the script gives the text back.
QString Quoted(const QString& text) {
    QString quoted;
    quoted.reserve(text.size() + 2);
    quoted += u'"';
    for (QChar c : text) {
        if (c == u'\\' || c == u'"') {
            quoted += u'\\';
        }
        quoted += c;
    }
    quoted += u'"';
    return quoted;
}

// A value line cannot hold a line break; each one becomes a blank. Returns whether any did.
bool ReplaceLineBreaks(QString& value) {
    bool replaced = false;
    for (QChar& c : value) {
        if (c == u'\r' || c == u'\n') {
            c = u' ';
            replaced = true;
        }
    }
    return replaced;
}

void AppendLine(QString& text, QStringView line) {
    text += line;
    text += u"\r\n";
}

void AppendSection(QString& text, const StoreSection& section, QStringList& warnings) {
    AppendLine(text, QStringLiteral("[%1\\%2]").arg(kProgramKey, section.name));
    for (const auto& [key, value] : section.values) {
        QString carried = value;
        if (ReplaceLineBreaks(carried)) {
            warnings +=
                QStringLiteral("The line breaks in %1 of section %2 were written as blanks.")
                    .arg(key, section.name);
        }
        AppendLine(text, Quoted(key) + u'=' + Quoted(carried));
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

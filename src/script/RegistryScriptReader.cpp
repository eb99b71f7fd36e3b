#include "files/TextDecoding.h"
#include "script/RegistryScript.h"
#include "script/RegistryScriptSyntax.h"

#include <QCoreApplication>
#include <QHash>
#include <algorithm>
#include <array>
#include <optional>

namespace {

using namespace RegistryScriptSyntax;

bool IsBlank(QChar c) {
    return c == u' ' || c == u'\t';
}

QStringView TrimmedBlanks(QStringView text) {
    while (!text.isEmpty() && IsBlank(text.front())) {
        text = text.sliced(1);
    }
    while (!text.isEmpty() && IsBlank(text.back())) {
        text.chop(1);
    }
    return text;
}

// Lines end in CR LF, LF or a lone CR, so no value read can hold a line break.
QList<QStringView> SplitLines(QStringView text) {
    QList<QStringView> lines;
    qsizetype start = 0;
    for (qsizetype i = 0; i < text.size(); ++i) {
        if (text[i] == u'\n' || text[i] == u'\r') {
            lines += text.sliced(start, i - start);
            if (text[i] == u'\r' && i + 1 < text.size() && text[i + 1] == u'\n') {
                ++i;
            }
            start = i + 1;
        }
    }
    lines += text.sliced(start);
    return lines;
}

// Undoes the \\ and \" escapes; a backslash before any other character stays, as older
// scripts wrote some texts without doubling their backslashes.
QString Unescaped(QStringView text) {
    // Most texts hold no backslash and are copied whole rather than character by character.
    const qsizetype from = text.indexOf(u'\\');
    if (from < 0) {
        return text.toString();
    }
    QString plain(text.size(), Qt::Uninitialized);
    QChar* out = std::copy_n(text.begin(), from, plain.data());
    for (qsizetype i = from; i < text.size(); ++i) {
        if (text[i] == u'\\' && i + 1 < text.size() &&
            (text[i + 1] == u'\\' || text[i + 1] == u'"')) {
            ++i;
        }
        *out++ = text[i];
    }
    plain.truncate(out - plain.constData());
    return plain;
}

// Index of the double quote that closes the name opened at index 0, or -1.
qsizetype ClosingQuote(QStringView line) {
    for (qsizetype i = 1; i < line.size(); ++i) {
        if (line[i] == u'\\') {
            ++i;
        } else if (line[i] == u'"') {
            return i;
        }
    }
    return -1;
}

struct ValueLine {
    bool wellFormed = false;
    QString key;
    std::optional<QString> text;  // empty for the other value types and deletions
    bool deletion = false;
    bool continues = false;  // a trailing backslash: the next line belongs to this value
};

// `"key"=value`. A string value runs from its opening quote to the last quote of the line,
// so an unescaped quote written by an older export stays part of the text.
ValueLine ParseValueLine(QStringView line) {
    ValueLine parsed;
    const qsizetype nameEnd = ClosingQuote(line);
    if (nameEnd < 0) {
        return parsed;
    }
    QStringView rest = TrimmedBlanks(line.sliced(nameEnd + 1));
    if (!rest.startsWith(u'=')) {
        return parsed;
    }
    rest = TrimmedBlanks(rest.sliced(1));
    if (rest.isEmpty() || (rest.startsWith(u'"') && (rest.size() < 2 || !rest.endsWith(u'"')))) {
        return parsed;
    }
    parsed.wellFormed = true;
    parsed.key = Unescaped(line.sliced(1, nameEnd - 1));
    if (rest.startsWith(u'"')) {
        parsed.text = Unescaped(rest.sliced(1, rest.size() - 2));
    } else {
        parsed.deletion = rest == u"-";
        parsed.continues = rest.endsWith(u'\\');
    }
    return parsed;
}

// A value name compared and hashed without regard to case, without a folded copy: a script
// holds thousands of them. It views the name kept in the parsed content.
struct CaseBlindName {
    QStringView text;

    bool operator==(const CaseBlindName& other) const {
        return text.size() == other.text.size() &&
               (text == other.text || text.compare(other.text, Qt::CaseInsensitive) == 0);
    }
};

// Agrees with ==: equal names fold to the same units, and a surrogate, which folds only with
// its pair, counts as any other surrogate. Names are short, so they are folded on the stack.
size_t qHash(const CaseBlindName& name, size_t seed = 0) {
    std::array<char16_t, 64> buffer;
    if (name.text.size() > qsizetype(buffer.size())) {
        return qHash(name.text.toString().toCaseFolded(), seed);
    }
    std::transform(name.text.begin(), name.text.end(), buffer.begin(), [](QChar c) {
        const char16_t unit = c.unicode();
        return unit < 0x80       ? char16_t(unit >= u'A' && unit <= u'Z' ? unit | 0x20 : unit)
               : c.isSurrogate() ? char16_t(0xD800)
                                 : c.toCaseFolded().unicode();
    });
    return qHash(QStringView(buffer.data(), name.text.size()), seed);
}

ScriptContent Refused(const QString& reason) {
    ScriptContent content;
    content.reason = reason;
    return content;
}

// Registry keys and value names are compared without regard to case; a repeated section
// is the same section, and a repeated key keeps the spelling it was first given.
class ScriptParser {
  public:
    ScriptContent parse(const QList<QStringView>& lines, qsizetype first);

  private:
    void enterKey(QStringView path);
    void store(QString key, QString text);

    ScriptContent content_;
    QHash<QString, int> sectionIndex_;
    std::vector<QHash<CaseBlindName, qsizetype>> keyIndex_;
    int current_ = -1;  // the section values go to, -1 outside this program's key
    bool foundValue_ = false;
};

void ScriptParser::enterKey(QStringView path) {
    current_ = -1;
    const QStringView prefix = kProgramKey;
    if (path.size() <= prefix.size() + 1 || path[prefix.size()] != u'\\' ||
        !path.startsWith(prefix, Qt::CaseInsensitive)) {
        return;
    }
    const QStringView name = path.sliced(prefix.size() + 1);
    if (name.contains(u'\\')) {
        return;  // a subkey of a section: not ours
    }
    const QString folded = name.toString().toCaseFolded();
    auto found = sectionIndex_.constFind(folded);
    if (found == sectionIndex_.constEnd()) {
        found = sectionIndex_.insert(folded, int(content_.sections.size()));
        content_.sections.push_back(StoreSection{name.toString(), {}});
        keyIndex_.emplace_back();
    }
    current_ = *found;
}

void ScriptParser::store(QString key, QString text) {
    foundValue_ = true;
    auto& values = content_.sections[current_].values;
    auto& index = keyIndex_[current_];
    const auto found = index.constFind(CaseBlindName{key});
    if (found != index.constEnd()) {
        values[*found].second = std::move(text);
        return;
    }
    // A moved QString keeps its characters where they are, so the view stays valid.
    values.emplace_back(std::move(key), std::move(text));
    index.insert(CaseBlindName{values.back().first}, values.size() - 1);
}

ScriptContent ScriptParser::parse(const QList<QStringView>& lines, qsizetype first) {
    bool continued = false;
    for (qsizetype n = first; n < lines.size(); ++n) {
        const QStringView line = TrimmedBlanks(lines[n]);
        if (continued) {
            continued = line.endsWith(u'\\');
        } else if (line.startsWith(u'[')) {
            const bool deletion = line.startsWith(u"[-");
            current_ = -1;
            if (!deletion && line.endsWith(u']')) {
                enterKey(line.sliced(1, line.size() - 2));
            }
        } else if (line.startsWith(u'"') || line.startsWith(u'@')) {
            if (current_ < 0 || line.startsWith(u'@')) {
                continued = line.endsWith(u'\\');
                continue;
            }
            ValueLine value = ParseValueLine(line);
            if (!value.wellFormed) {
                return Refused(
                    QCoreApplication::translate("RegistryScript", "line %1 is not a complete value")
                        .arg(n + 1));
            }
            continued = value.continues;
            if (value.text) {
                store(std::move(value.key), std::move(*value.text));
            } else if (!value.deletion) {
                content_.otherTypes.push_back({content_.sections[current_].name, value.key, n + 1});
            }
        }
    }
    if (!foundValue_) {
        //: Why a file is not a settings script of Tickvane.
        return Refused(QCoreApplication::translate("RegistryScript", "holds no Tickvane settings"));
    }
    content_.ok = true;
    return std::move(content_);
}

}  // namespace

ScriptContent ReadRegistryScript(const QByteArray& bytes) {
    const QString text = DecodeText(bytes);
    const QList<QStringView> lines = SplitLines(text);
    qsizetype header = 0;
    while (header < lines.size() && TrimmedBlanks(lines[header]).isEmpty()) {
        ++header;
    }
    if (header == lines.size() || (TrimmedBlanks(lines[header]) != kRegedit4Header &&
                                   TrimmedBlanks(lines[header]) != kVersion5Header)) {
        //: Why a file is not a settings script of Tickvane.
        return Refused(QCoreApplication::translate("RegistryScript", "not a registry script"));
    }
    return ScriptParser().parse(lines, header + 1);
}

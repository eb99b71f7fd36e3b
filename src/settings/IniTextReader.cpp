#include "files/ValidUtf16.h"
#include "settings/IniSyntax.h"
#include "settings/IniText.h"
#include "settings/RecordKeys.h"

#include <QStringDecoder>
#include <algorithm>
#include <array>
#include <optional>
#include <string_view>
#include <utility>

namespace {
using IniSyntax::HexDigitValue;

// The keys outside any section, and what QSettings wrote as "[%General]".
const QString generalSection = QStringLiteral("General");

constexpr char byteOrderMark[] = "\xEF\xBB\xBF";

bool isBlank(char c) {
    return c == ' ' || c == '\t';
}

bool isLineEnd(char c) {
    return c == '\n' || c == '\r';
}

qsizetype skipBlanks(QByteArrayView text, qsizetype i) {
    while (i < text.size() && isBlank(text[i])) {
        ++i;
    }
    return i;
}

// UTF-8 as it stands: QString::fromUtf8 drops byte-order marks at the start, which inside a
// name or a value are characters of it.
QString fromUtf8(QByteArrayView bytes) {
    // Nearly every name and value is ASCII, which converts at less cost as Latin-1.
    if (std::all_of(bytes.begin(), bytes.end(), [](char c) { return c >= 0; })) {
        return QString::fromLatin1(bytes);
    }
    QStringDecoder decoder(QStringConverter::Utf8, QStringConverter::Flag::ConvertInitialBom |
                                                       QStringConverter::Flag::Stateless);
    return decoder(bytes);
}

// The bytes that split lines, keys and values, and those that are not ASCII.
constexpr auto isSyntax = [] {
    std::array<bool, 256> table{};
    for (const char c : std::string_view("\"=\\;\r\n")) {
        table[static_cast<unsigned char>(c)] = true;
    }
    for (size_t c = 0x80; c < table.size(); ++c) {
        table[c] = true;
    }
    return table;
}();

struct Line {
    QByteArrayView text;
    qsizetype equals = -1;  // the first "=" outside quotes
    bool plain = true;      // no quote and no backslash: its text stands as it is
    bool ascii = true;
};

// Where the next line that is neither blank nor a comment starts.
qsizetype afterBlankLinesAndComments(QByteArrayView data, qsizetype start) {
    for (;;) {
        while (start < data.size() && (isBlank(data[start]) || isLineEnd(data[start]))) {
            ++start;
        }
        if (start == data.size() || data[start] != ';') {
            return start;
        }
        while (start < data.size() && !isLineEnd(data[start])) {
            ++start;
        }
    }
}

// The line from `pos` on, after blank lines and comments. CR and LF end a line, but not inside
// quotes or after a backslash; an unquoted ";" ends it too, and its rest is a comment. False
// at the end of the text.
bool nextLine(QByteArrayView data, qsizetype& pos, Line& line) {
    const qsizetype start = afterBlankLinesAndComments(data, pos);
    bool inQuotes = false;
    line = Line{};
    qsizetype i = start;
    for (; i < data.size(); ++i) {
        // Nearly every byte is plain text: they are passed over first, by a table.
        while (!isSyntax[static_cast<unsigned char>(data[i])] && ++i < data.size()) {
        }
        if (i == data.size()) {
            break;
        }
        const char c = data[i];
        line.ascii &= c >= 0;
        line.plain &= c != '"' && c != '\\';
        if (c == '"') {
            inQuotes = !inQuotes;
        } else if (c == '=' && !inQuotes && line.equals < 0) {
            line.equals = i - start;
        } else if (c == '\\' && i + 1 < data.size()) {
            ++i;  // a CR LF or LF CR pair after a backslash is skipped as one
            if (i + 1 < data.size() && isLineEnd(data[i]) && isLineEnd(data[i + 1]) &&
                data[i] != data[i + 1]) {
                ++i;
            }
        } else if ((isLineEnd(c) || c == ';') && !inQuotes) {
            break;
        }
    }
    pos = i;
    line.text = data.sliced(start, i - start);
    return !line.text.isEmpty();
}

// The character that `digits` hexadecimal digits at `i` stand for, or nothing.
std::optional<char16_t> fixedNumber(QStringView text, qsizetype i, int digits) {
    if (i + digits > text.size()) {
        return std::nullopt;
    }
    char16_t code = 0;
    for (const QChar c : text.sliced(i, digits)) {
        const int digit = HexDigitValue(c.unicode());
        if (digit < 0) {
            return std::nullopt;
        }
        code = char16_t(code * 16 + digit);
    }
    return code;
}

// A section or key name: "\" stands for "/", %XX and %UXXXX for any character.
QString unescapedName(QByteArrayView raw) {
    const QString decoded = fromUtf8(raw);
    if (!raw.contains('%') && !raw.contains('\\')) {
        return decoded;
    }
    QString name;
    for (qsizetype i = 0; i < decoded.size(); ++i) {
        const QChar c = decoded[i];
        const bool wide = c == u'%' && i + 1 < decoded.size() && decoded[i + 1] == u'U';
        const qsizetype first = i + (wide ? 2 : 1);
        const auto code = c == u'%' ? fixedNumber(decoded, first, wide ? 4 : 2) : std::nullopt;
        if (code) {
            name += QChar(*code);
            i = first + (wide ? 4 : 2) - 1;
        } else {
            name += c == u'\\' ? QChar(u'/') : c;
        }
    }
    ReplaceLoneSurrogates(name);
    return name;
}

QString sectionName(QByteArrayView header, bool& malformed) {
    const qsizetype close = header.indexOf(']');
    malformed |= close < 0;
    const QString name =
        unescapedName(header.first(close < 0 ? header.size() : close).sliced(1).trimmed());
    const bool general = name.compare(u"General", Qt::CaseInsensitive) == 0 ||
                         name.compare(u"%General", Qt::CaseInsensitive) == 0;
    return general ? generalSection : name;
}

// Appends the character escaped at `i`, after its backslash, and returns where the text goes
// on: C's named escapes, \x and hexadecimal digits, octal digits. A backslash before a line end
// joins the lines; before anything else both are dropped.
qsizetype appendEscaped(QByteArrayView raw, qsizetype i, QString& text) {
    static constexpr std::pair<char, char> named[] = {
        {'a', '\a'}, {'b', '\b'}, {'f', '\f'}, {'n', '\n'},  {'r', '\r'}, {'t', '\t'},
        {'v', '\v'}, {'"', '"'},  {'?', '?'},  {'\'', '\''}, {'\\', '\\'}};
    if (i == raw.size()) {
        return i;
    }
    const char c = raw[i++];
    for (const auto& [letter, character] : named) {
        if (c == letter) {
            text += QLatin1Char(character);
            return i;
        }
    }
    const int base = c == 'x' ? 16 : 8;
    if (c == 'x' || (c >= '0' && c <= '7')) {
        char16_t code = char16_t(c == 'x' ? 0 : c - '0');
        const qsizetype digitsFrom = i;
        for (; i < raw.size(); ++i) {
            const int digit = HexDigitValue(raw[i]);
            if (digit < 0 || digit >= base) {
                break;
            }
            code = char16_t(code * base + digit);  // wraps at 16 bits, as QSettings did
        }
        if (c != 'x' || i > digitsFrom) {
            text += QChar(code);
        }
    } else if (isLineEnd(c) && i < raw.size() && isLineEnd(raw[i]) && raw[i] != c) {
        ++i;
    }
    return i;
}

// The value of a line without quotes or escapes (nearly every line): its bytes between the
// blanks around it.
QString plainValue(QByteArrayView raw, bool ascii) {
    raw = raw.sliced(skipBlanks(raw, 0));
    while (!raw.isEmpty() && isBlank(raw.back())) {
        raw.chop(1);
    }
    if (raw.size() > 1 && raw[0] == '@' && raw[1] == '@') {
        raw = raw.sliced(1);
    }
    return ascii ? QString::fromLatin1(raw) : fromUtf8(raw);
}

// A value: blanks around it dropped unless quoted, quotes removed, escapes undone, and "@@"
// at its start read as "@".
QString unescapedValue(QByteArrayView raw) {
    QString text;
    bool quoted = false;
    bool inQuotes = false;
    bool escaped = false;
    qsizetype kept = 0;  // what an escape gave is never dropped as a trailing blank
    for (qsizetype i = skipBlanks(raw, 0); i < raw.size();) {
        if (raw[i] == '\\') {
            i = appendEscaped(raw, i + 1, text);
            kept = text.size();
            escaped = true;
        } else if (raw[i] == '"') {
            quoted = true;
            inQuotes = !inQuotes;
            i = inQuotes ? i + 1 : skipBlanks(raw, i + 1);
        } else {
            qsizetype end = i + 1;
            while (end < raw.size() && raw[end] != '\\' && raw[end] != '"') {
                ++end;
            }
            text += fromUtf8(raw.sliced(i, end - i));
            i = end;
        }
    }
    while (!quoted && text.size() > kept && (text.back() == u' ' || text.back() == u'\t')) {
        text.chop(1);
    }
    if (escaped) {
        ReplaceLoneSurrogates(text);
    }
    if (text.startsWith(u"@@")) {
        text.remove(0, 1);
    }
    return text;
}
}  // namespace

IniContent ReadIniText(QByteArrayView bytes) {
    IniContent content;
    if (bytes.startsWith(byteOrderMark)) {
        bytes = bytes.sliced(3);
    }
    // Lines are checked one by one only in a file that is not UTF-8 as a whole.
    const bool utf8 = bytes.isValidUtf8();
    QString section = generalSection;
    bool inSection = false;  // whether the last section in `content` is `section`
    Line line;
    for (qsizetype pos = 0; nextLine(bytes, pos, line);) {
        if (line.text.startsWith('[')) {
            section = sectionName(line.text, content.malformedLines);
            inSection = false;
            continue;
        }
        if (line.equals < 0) {
            content.malformedLines = true;
            continue;
        }
        QByteArrayView rawKey = line.text.first(line.equals);
        while (!rawKey.isEmpty() && isBlank(rawKey.back())) {
            rawKey.chop(1);
        }
        std::optional<QString> recordKey = RecordKeyNamed(rawKey);
        QString key = recordKey ? std::move(*recordKey) : unescapedName(rawKey);
        if (!utf8 && !line.text.isValidUtf8()) {
            content.undecodedKeys << section + u'/' + key;
        }
        if (!inSection && (content.sections.empty() || content.sections.back().name != section)) {
            content.sections.push_back({section, {}});
        }
        inSection = true;
        const QByteArrayView value = line.text.sliced(line.equals + 1);
        content.sections.back().values.emplace_back(
            std::move(key), line.plain ? plainValue(value, line.ascii) : unescapedValue(value));
    }
    return content;
}

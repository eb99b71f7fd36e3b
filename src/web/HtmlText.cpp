#include "web/HtmlText.h"

namespace {
// The character at `i`, a surrogate pair taken as one; `i` moves past it.
char32_t NextCharacter(QStringView text, qsizetype& i) {
    const QChar c = text[i++];
    if (c.isHighSurrogate() && i < text.size() && text[i].isLowSurrogate()) {
        return QChar::surrogateToUcs4(c, text[i++]);
    }
    return c.unicode();
}

const char* Entity(char32_t c, bool noLineWraps) {
    switch (c) {
        case U'&':
            return "&amp;";
        case U'"':
            return "&quot;";
        case U'<':
            return "&lt;";
        case U'>':
            return "&gt;";
        case U' ':
            return noLineWraps ? "&nbsp;" : nullptr;
        default:
            return nullptr;
    }
}

void AppendPercentEncoded(std::string& out, uchar byte) {
    static constexpr char hex[] = "0123456789ABCDEF";
    out += '%';
    out += hex[byte >> 4];
    out += hex[byte & 0xF];
}

// Appends a run of ASCII characters in one step; pages are mostly such runs.
void AppendAscii(std::string& out, QStringView run) {
    const size_t start = out.size();
    out.resize(start + static_cast<size_t>(run.size()));
    char* next = out.data() + start;
    for (const QChar c : run) {
        *next++ = static_cast<char>(c.unicode());
    }
}

// Appends `text`, the runs of ASCII characters that need no change in bulk; every other
// character goes to `appendChanged` with its code point and its UTF-16 units.
template <typename NeedsChange, typename AppendChanged>
void AppendWithRuns(std::string& out, QStringView text, NeedsChange needsChange,
                    AppendChanged appendChanged) {
    qsizetype runStart = 0;
    for (qsizetype i = 0; i < text.size();) {
        const char16_t unit = text[i].unicode();
        if (unit < 0x80 && !needsChange(unit)) {
            ++i;
            continue;
        }
        const qsizetype from = i;
        const char32_t c = NextCharacter(text, i);
        AppendAscii(out, text.sliced(runStart, from - runStart));
        appendChanged(c, text.sliced(from, i - from));
        runStart = i;
    }
    AppendAscii(out, text.sliced(runStart));
}
}  // namespace

// One pass that maps each character on its own gives what replacing one character after the
// other gives: no replacement puts in a character that a later one would replace.
void AppendHtmlText(std::string& out, QStringView text, bool noLineWraps) {
    AppendWithRuns(
        out, text, [&](char32_t c) { return Entity(c, noLineWraps) != nullptr; },
        [&](char32_t c, QStringView) {
            if (const char* entity = Entity(c, noLineWraps)) {
                out += entity;
            } else {
                out += "&#";
                out += std::to_string(static_cast<uint>(c));
                out += ';';
            }
        });
}

QByteArray HtmlText(QStringView text, bool noLineWraps) {
    std::string out;
    AppendHtmlText(out, text, noLineWraps);
    return QByteArray::fromStdString(out);
}

void AppendHrefValue(std::string& out, QStringView address) {
    AppendWithRuns(
        out, address, [](char32_t c) { return c == U'"' || c == U'<' || c == U'>'; },
        [&](char32_t, QStringView units) {
            for (const char byte : units.toUtf8()) {
                AppendPercentEncoded(out, static_cast<uchar>(byte));
            }
        });
}

QByteArray HrefValue(QStringView address) {
    std::string out;
    AppendHrefValue(out, address);
    return QByteArray::fromStdString(out);
}

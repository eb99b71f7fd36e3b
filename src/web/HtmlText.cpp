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

void AppendPercentEncoded(QByteArray& out, uchar byte) {
    static constexpr char hex[] = "0123456789ABCDEF";
    out += '%';
    out += hex[byte >> 4];
    out += hex[byte & 0xF];
}
}  // namespace

// One pass that maps each character on its own gives what replacing one character after the
// other gives: no replacement puts in a character that a later one would replace.
void AppendHtmlText(QByteArray& out, QStringView text, bool noLineWraps) {
    for (qsizetype i = 0; i < text.size();) {
        const char32_t c = NextCharacter(text, i);
        if (const char* entity = Entity(c, noLineWraps)) {
            out += entity;
        } else if (c < 0x80) {
            out += static_cast<char>(c);
        } else {
            out += "&#";
            out += QByteArray::number(static_cast<uint>(c));
            out += ';';
        }
    }
}

QByteArray HtmlText(QStringView text, bool noLineWraps) {
    QByteArray out;
    AppendHtmlText(out, text, noLineWraps);
    return out;
}

void AppendHrefValue(QByteArray& out, QStringView address) {
    for (qsizetype i = 0; i < address.size();) {
        const qsizetype start = i;
        const char32_t c = NextCharacter(address, i);
        if (c >= 0x80) {
            for (const char byte : address.sliced(start, i - start).toUtf8()) {
                AppendPercentEncoded(out, static_cast<uchar>(byte));
            }
        } else if (c == U'"' || c == U'<' || c == U'>') {
            AppendPercentEncoded(out, static_cast<uchar>(c));
        } else {
            out += static_cast<char>(c);
        }
    }
}

QByteArray HrefValue(QStringView address) {
    QByteArray out;
    AppendHrefValue(out, address);
    return out;
}

#include "web/HtmlText.h"

#include <QList>

namespace {
void AppendEntity(QByteArray& out, char32_t c, bool noLineWraps) {
    switch (c) {
        case U'&':
            out += "&amp;";
            break;
        case U'"':
            out += "&quot;";
            break;
        case U'<':
            out += "&lt;";
            break;
        case U'>':
            out += "&gt;";
            break;
        case U' ':
            out += noLineWraps ? "&nbsp;" : " ";
            break;
        default:
            if (c < 0x80) {
                out += static_cast<char>(c);
            } else {
                out += "&#" + QByteArray::number(static_cast<uint>(c)) + ';';
            }
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
QByteArray HtmlText(QStringView text, bool noLineWraps) {
    QByteArray out;
    out.reserve(text.size());
    for (char32_t c : text.toUcs4()) {
        AppendEntity(out, c, noLineWraps);
    }
    return out;
}

QByteArray HrefValue(QStringView address) {
    QByteArray out;
    out.reserve(address.size());
    for (const char byte : address.toUtf8()) {
        const auto b = static_cast<uchar>(byte);
        if (b >= 0x80 || byte == '"' || byte == '<' || byte == '>') {
            AppendPercentEncoded(out, b);
        } else {
            out += byte;
        }
    }
    return out;
}

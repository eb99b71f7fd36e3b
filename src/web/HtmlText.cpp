#include "web/HtmlText.h"

#include "model/AttributeReference.h"
#include "web/AsciiRuns.h"

#include <QString>
#include <algorithm>

namespace {
constexpr const char* Entity(char32_t c, bool noLineWraps) {
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

constexpr bool IsControl(char32_t c) {
    return c < 0x20;
}

// The characters a text or an address cannot hold as they are.
constexpr auto HtmlChanged =
    AsciiTable([](char32_t c) { return IsControl(c) || Entity(c, false) != nullptr; });
constexpr auto HtmlChangedNoWraps =
    AsciiTable([](char32_t c) { return IsControl(c) || Entity(c, true) != nullptr; });
constexpr auto HrefChanged =
    AsciiTable([](char32_t c) { return IsControl(c) || c == U'"' || c == U'<' || c == U'>'; });

void AppendPercentEncoded(std::string& out, uchar byte) {
    static constexpr char hex[] = "0123456789ABCDEF";
    out += '%';
    out += hex[byte >> 4];
    out += hex[byte & 0xF];
}

// Whether the browser's reading of the "&" that starts `text` depends on what follows it:
// when "&", an optional "#" and letters or digits reach the end.
bool OpenToTheEnd(QStringView text) {
    const auto name = text.begin() + (text.size() > 1 && text[1] == u'#' ? 2 : 1);
    return std::all_of(name, text.end(), [](QChar c) {
        return (c >= u'0' && c <= u'9') || (c >= u'a' && c <= u'z') || (c >= u'A' && c <= u'Z');
    });
}
}  // namespace

// One pass that maps each character on its own gives what replacing one character after the
// other gives: no replacement puts in a character that a later one would replace. A control
// character would break the markup or the page's line layout, so it is written as a blank.
void AppendHtmlText(std::string& out, QStringView text, bool noLineWraps) {
    AppendAsciiRuns(out, text, noLineWraps ? HtmlChangedNoWraps : HtmlChanged,
                    [&](char32_t c, QStringView) {
                        const char32_t shown = IsControl(c) ? U' ' : c;
                        if (const char* entity = Entity(shown, noLineWraps)) {
                            out += entity;
                        } else if (shown < 0x80) {
                            out += char(shown);
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
    AppendAsciiRuns(out, address, HrefChanged, [&](char32_t, QStringView units) {
        for (const char byte : units.toUtf8()) {
            AppendPercentEncoded(out, static_cast<uchar>(byte));
        }
    });
}

void AppendLiteralHrefValue(std::string& out, QStringView address, bool continued) {
    QString literal;
    for (qsizetype i = 0; i < address.size(); ++i) {
        const QStringView rest = address.sliced(i);
        const bool reference = rest[0] == u'&' && (ReadAttributeReference(rest).length > 0 ||
                                                   (continued && OpenToTheEnd(rest)));
        literal += reference ? QStringView(u"&amp;") : rest.first(1);
    }
    AppendHrefValue(out, literal);
}

#include "web/JsonText.h"

#include "web/AsciiRuns.h"

namespace {
constexpr auto NeedsEscape =
    AsciiTable([](char32_t c) { return c < 0x20 || c == U'"' || c == U'\\' || c == U'<'; });

void AppendEscape(std::string& out, char16_t unit) {
    static constexpr char hex[] = "0123456789abcdef";
    if (unit == u'"' || unit == u'\\') {
        out += '\\';
        out += char(unit);
        return;
    }
    out += "\\u";
    for (int shift = 12; shift >= 0; shift -= 4) {
        out += hex[(unit >> shift) & 0xF];
    }
}
}  // namespace

void AppendJsonString(std::string& out, QStringView text) {
    out += '"';
    AppendAsciiRuns(out, text, NeedsEscape, [&](char32_t, QStringView units) {
        for (const QChar unit : units) {
            AppendEscape(out, unit.unicode());
        }
    });
    out += '"';
}

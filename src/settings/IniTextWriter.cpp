#include "settings/IniText.h"

#include "settings/IniSyntax.h"

#include <algorithm>
#include <string>

namespace {
constexpr char hexDigits[] = "0123456789ABCDEF";

// Keys and section names: letters, digits, "_", "-" and "." as they are, other characters as
// %XX or %UXXXX. "/" too: the "\" that QSettings wrote for it would escape a following "=".
void appendKey(std::string& out, QStringView key) {
    for (const QChar ch : key) {
        const char16_t c = ch.unicode();
        if ((c >= u'a' && c <= u'z') || (c >= u'A' && c <= u'Z') || (c >= u'0' && c <= u'9') ||
            c == u'_' || c == u'-' || c == u'.') {
            out += char(c);
        } else {
            out += c <= 0xFF ? "%" : "%U";
            for (int shift = c <= 0xFF ? 4 : 12; shift >= 0; shift -= 4) {
                out += hexDigits[(c >> shift) & 0xF];
            }
        }
    }
}

// What the reader would take as syntax in an unquoted value.
bool needsQuotes(QStringView value) {
    const auto syntax = [](QChar c) {
        return c == u';' || c == u',' || c == u'=' || c == u'#' || c == u'[' || c == u']';
    };
    return value.startsWith(u' ') || value.endsWith(u' ') ||
           std::any_of(value.begin(), value.end(), syntax);
}

// A value, quoted when it must be. A control character is written as \xHH; the reader takes
// every hex digit after \x, so a hex digit that follows one is escaped too.
void appendValue(std::string& out, QStringView value) {
    const bool quoted = needsQuotes(value);
    if (quoted) {
        out += '"';
    }
    if (value.startsWith(u'@')) {
        out += '@';  // a leading "@" marks a typed value; "@@" is a plain "@"
    }
    bool afterHexEscape = false;
    qsizetype runStart = 0;
    const auto flush = [&](qsizetype end) {
        const QStringView run = value.sliced(runStart, end - runStart);
        // Nearly every value is plain ASCII, which needs no conversion and no QByteArray.
        if (std::all_of(run.begin(), run.end(), [](QChar c) { return c.unicode() < 0x80; })) {
            out.resize(out.size() + size_t(run.size()));
            std::transform(run.begin(), run.end(), out.end() - run.size(),
                           [](QChar c) { return char(c.unicode()); });
            return;
        }
        const QByteArray utf8 = run.toUtf8();
        out.append(utf8.constData(), size_t(utf8.size()));
    };
    for (qsizetype i = 0; i < value.size(); ++i) {
        const char16_t c = value[i].unicode();
        const bool escapeHex = c < 0x20 || (afterHexEscape && IniSyntax::HexDigitValue(c) >= 0);
        afterHexEscape = false;
        if (!escapeHex && c != u'\\' && c != u'"') {
            continue;
        }
        flush(i);
        runStart = i + 1;
        out += '\\';
        if (escapeHex) {
            out += 'x';
            out += hexDigits[c >> 4];
            out += hexDigits[c & 0xF];
            afterHexEscape = true;
        } else {
            out += char(c);
        }
    }
    flush(value.size());
    if (quoted) {
        out += '"';
    }
    out += '\n';
}
}  // namespace

QByteArray IniText(const StoreSections& sections) {
    std::string out;
    size_t length = 0;
    for (const StoreSection& section : sections) {
        for (const auto& [key, value] : section.values) {
            length += size_t(key.size() + value.size()) + 4;
        }
    }
    out.reserve(length + length / 8);
    for (const StoreSection& section : sections) {
        if (section.values.empty()) {
            continue;
        }
        if (!out.empty()) {
            out += '\n';
        }
        out += '[';
        appendKey(out, section.name);
        out += "]\n";
        for (const auto& [key, value] : section.values) {
            appendKey(out, key);
            out += '=';
            appendValue(out, value);
        }
    }
    return QByteArray::fromStdString(out);
}

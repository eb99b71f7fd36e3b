#pragma once

#include <QStringView>
#include <algorithm>
#include <array>
#include <string>

// Pages are written from text that is nearly all plain ASCII. Appending it in runs, rather
// than character by character, is most of what keeps writing them as fast as writing the bytes.

namespace AsciiRuns {

// The character at `i`, a surrogate pair taken as one; `i` moves past it.
inline char32_t NextCharacter(QStringView text, qsizetype& i) {
    const QChar c = text[i++];
    if (c.isHighSurrogate() && i < text.size() && text[i].isLowSurrogate()) {
        return QChar::surrogateToUcs4(c, text[i++]);
    }
    return c.unicode();
}

// Appends `length` ASCII characters in one step.
inline void AppendAscii(std::string& out, const char16_t* run, qsizetype length) {
    const size_t start = out.size();
    out.resize(start + static_cast<size_t>(length));
    std::copy(run, run + length, out.data() + start);
}

}  // namespace AsciiRuns

// The ASCII characters for which `needsChange` holds, as a table: pages look it up for every
// character they write.
template <typename NeedsChange>
constexpr std::array<bool, 0x80> AsciiTable(NeedsChange needsChange) {
    std::array<bool, 0x80> table{};
    for (char32_t c = 0; c < table.size(); ++c) {
        table[c] = needsChange(c);
    }
    return table;
}

// Appends `text`: runs of ASCII characters that `changed` does not mark in bulk, every other
// character through `appendChanged`, with its code point and its UTF-16 units.
template <typename AppendChanged>
void AppendAsciiRuns(std::string& out, QStringView text, const std::array<bool, 0x80>& changed,
                     AppendChanged appendChanged) {
    const char16_t* units = text.utf16();
    for (qsizetype i = 0; i < text.size();) {
        const qsizetype runStart = i;
        while (i < text.size() && units[i] < 0x80 && !changed[units[i]]) {
            ++i;
        }
        AsciiRuns::AppendAscii(out, units + runStart, i - runStart);
        if (i < text.size()) {
            const qsizetype from = i;
            const char32_t c = AsciiRuns::NextCharacter(text, i);
            appendChanged(c, text.sliced(from, i - from));
        }
    }
}

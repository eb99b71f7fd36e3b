#pragma once

#include <QtGlobal>

// Lines end at LF, at CR LF or at a CR alone. Returns where the line that starts at `from`
// ends, its line end included. `Text` is a view of bytes or of UTF-16 characters.
template <typename Text>
qsizetype LineEnd(Text text, qsizetype from) {
    for (qsizetype i = from; i < text.size(); ++i) {
        if (text[i] == u'\n' ||
            (text[i] == u'\r' && (i + 1 == text.size() || text[i + 1] != u'\n'))) {
            return i + 1;
        }
    }
    return text.size();
}

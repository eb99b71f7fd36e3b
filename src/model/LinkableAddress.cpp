#include "model/LinkableAddress.h"

#include <algorithm>
#include <iterator>
#include <string_view>

namespace {
bool IsAsciiLetter(QChar c) {
    return (c >= u'a' && c <= u'z') || (c >= u'A' && c <= u'Z');
}

// A letter, digit, "+", "-" or "." after the first letter of a scheme.
bool ContinuesScheme(QChar c) {
    return IsAsciiLetter(c) || (c >= u'0' && c <= u'9') || c == u'+' || c == u'-' || c == u'.';
}

bool DroppedByBrowsers(QChar c) {
    return c == u'\t' || c == u'\n' || c == u'\r';
}

// `scheme` in lower case.
bool IsLinkableScheme(std::string_view scheme) {
    static constexpr std::string_view linkable[] = {"http", "https", "ftp", "mailto", "file"};
    return std::find(std::begin(linkable), std::end(linkable), scheme) != std::end(linkable);
}
}  // namespace

// The pages ask this of every stock on every site's page, so the scheme is gathered without
// allocating.
bool IsLinkableAddress(QStringView address) {
    const auto start =
        std::find_if(address.begin(), address.end(), [](QChar c) { return c > u' '; });
    char scheme[8] = {};  // room for every linkable scheme; a longer one is counted, not kept
    size_t length = 0;
    for (auto it = start; it != address.end(); ++it) {
        if (*it == u':') {
            return length == 0 || (length <= sizeof scheme && IsLinkableScheme({scheme, length}));
        }
        if (DroppedByBrowsers(*it)) {
            continue;
        }
        if (length == 0 ? !IsAsciiLetter(*it) : !ContinuesScheme(*it)) {
            return true;  // no scheme: a relative address
        }
        if (length < sizeof scheme) {
            // Letters to lower case; digits, "+", "-" and "." already have this bit.
            scheme[length] = char(it->toLatin1() | 0x20);
        }
        ++length;
    }
    return true;
}

QString UnlinkedAddressSentence(const QString& subject) {
    return subject + QStringLiteral(
                         " does not start with http://, https://, ftp://, mailto: or file:, so the "
                         "pages show the description without a link.");
}

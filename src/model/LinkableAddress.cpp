#include "model/LinkableAddress.h"

#include <algorithm>
#include <iterator>

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

bool IsLinkableScheme(const QString& scheme) {
    static constexpr const char* linkable[] = {"http", "https", "ftp", "mailto", "file"};
    return std::any_of(std::begin(linkable), std::end(linkable), [&](const char* allowed) {
        return scheme.compare(QLatin1StringView(allowed), Qt::CaseInsensitive) == 0;
    });
}
}  // namespace

bool IsLinkableAddress(QStringView address) {
    const auto start =
        std::find_if(address.begin(), address.end(), [](QChar c) { return c > u' '; });
    QString scheme;
    for (auto it = start; it != address.end(); ++it) {
        if (*it == u':') {
            return scheme.isEmpty() || IsLinkableScheme(scheme);
        }
        if (DroppedByBrowsers(*it)) {
            continue;
        }
        if (scheme.isEmpty() ? !IsAsciiLetter(*it) : !ContinuesScheme(*it)) {
            return true;  // no scheme: a relative address
        }
        scheme += *it;
    }
    return true;
}

QString UnlinkedAddressSentence(const QString& subject) {
    return subject + QStringLiteral(
                         " does not start with http://, https://, ftp://, mailto: or file:, so the "
                         "pages show the description without a link.");
}

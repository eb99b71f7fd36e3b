#include "model/LinkableAddress.h"

#include "model/AttributeReference.h"

#include <QCoreApplication>
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

// The address as the browser reads it from the href value: with its character references
// decoded.
QString Decoded(QStringView address) {
    QString decoded;
    for (qsizetype i = 0; i < address.size();) {
        const AttributeReference reference =
            address[i] == u'&' ? ReadAttributeReference(address.sliced(i)) : AttributeReference{};
        decoded += reference.length > 0 ? reference.text : QString(address[i]);
        i += std::max<qsizetype>(reference.length, 1);
    }
    return decoded;
}

bool IsLinkableDecoded(QStringView address) {
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
}  // namespace

// The pages ask this of every stock, so the scheme is gathered without allocating unless the
// address holds a character reference.
bool IsLinkableAddress(QStringView address) {
    return address.contains(u'&') ? IsLinkableDecoded(Decoded(address))
                                  : IsLinkableDecoded(address);
}

QString UnlinkedAddressSentence(const QString& subject) {
    //: %1 is "This address" or a setting and the file it is in
    return QCoreApplication::translate(
               "LinkableAddress",
               "%1 does not start with http://, https://, ftp://, mailto: or file:, so the "
               "pages show the description without a link.")
        .arg(subject);
}

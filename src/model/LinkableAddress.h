#pragma once

#include <QString>
#include <QStringView>

// Whether the pages may link to `address` (a stock's home page or a custom link): when it has
// no scheme (a relative address such as "notes/ibm.html") or the scheme http, https, ftp,
// mailto or file, in any case. The scheme is read as a browser reads it in an href: with its
// character references decoded ("javascript&#58;"), after the leading blanks and control
// characters and without the tabs and line breaks it drops. Any other scheme (javascript:,
// data:, vbscript:) would let a click on the link run what it carries, so such an address is
// shown as plain text.
bool IsLinkableAddress(QStringView address);

// "`subject` does not start with ..., so the pages show the description without a link."
QString UnlinkedAddressSentence(const QString& subject);

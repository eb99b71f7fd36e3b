#include "model/ChartAddress.h"

#include <QUrl>
#include <algorithm>

namespace {
bool isAscii(QStringView text) {
    return std::all_of(text.begin(), text.end(), [](QChar c) { return c.unicode() < 0x80; });
}

// The unreserved characters of RFC 3986, which an address holds as they are.
bool isUnreserved(char16_t c) {
    return (c >= u'a' && c <= u'z') || (c >= u'A' && c <= u'Z') || (c >= u'0' && c <= u'9') ||
           c == u'-' || c == u'.' || c == u'_' || c == u'~';
}

// What would end the symbol's query value or change it: a blank, "#", "&" and "+".
bool endsOrChangesValue(char16_t c) {
    return c == u' ' || c == u'#' || c == u'&' || c == u'+';
}

char16_t filteredUnit(char16_t c, const std::vector<SymbolFilter>& filters) {
    for (const SymbolFilter filter : filters) {
        if (filter == SymbolFilter::Lower && c >= u'A' && c <= u'Z') {
            c = char16_t(c + (u'a' - u'A'));
        } else if (filter == SymbolFilter::Upper && c >= u'a' && c <= u'z') {
            c = char16_t(c - (u'a' - u'A'));
        } else if (filter == SymbolFilter::Dash && (c == u'.' || c == u'/')) {
            c = u'-';
        }
    }
    return c;
}

void appendPercentEncoded(char16_t*& out, char16_t unit) {
    static constexpr char16_t hex[] = u"0123456789ABCDEF";
    *out++ = u'%';
    *out++ = hex[(unit >> 4) & 0xF];
    *out++ = hex[unit & 0xF];
}

}  // namespace

// An ASCII symbol, as nearly every one is, is filtered and encoded in one pass: the general
// way makes three new texts per symbol, and a page of twenty template sites makes it for every
// stock on every site. Without filters or full encoding, what is encoded is ASCII, so the one
// pass serves any symbol.
QString SymbolSlot::apply(const QString& symbol) const {
    if (filters.empty() && !percentEncoded &&
        std::none_of(symbol.begin(), symbol.end(),
                     [](QChar c) { return endsOrChangesValue(c.unicode()); })) {
        return symbol;
    }
    if ((percentEncoded || !filters.empty()) && !isAscii(symbol)) {
        return applyToAnyText(symbol);
    }
    QString value(symbol.size() * 3, Qt::Uninitialized);
    char16_t* out = reinterpret_cast<char16_t*>(value.data());
    for (const QChar c : symbol) {
        const char16_t unit = filteredUnit(c.unicode(), filters);
        if (percentEncoded ? !isUnreserved(unit) : endsOrChangesValue(unit)) {
            appendPercentEncoded(out, unit);
        } else {
            *out++ = unit;
        }
    }
    value.truncate(out - reinterpret_cast<char16_t*>(value.data()));
    return value;
}

QString SymbolSlot::applyToAnyText(const QString& symbol) const {
    const QString value = filtered(symbol);
    // Everything but the unreserved characters of RFC 3986 (letters, digits, "-", ".", "_",
    // "~") is percent-encoded as UTF-8, so any symbol stays one value of the address.
    return percentEncoded ? QString::fromLatin1(QUrl::toPercentEncoding(value))
                          : SymbolSlot{}.apply(value);
}

QString SymbolSlot::filtered(const QString& symbol) const {
    QString value = symbol;
    for (const SymbolFilter filter : filters) {
        switch (filter) {
            case SymbolFilter::Lower:
                value = value.toLower();
                break;
            case SymbolFilter::Upper:
                value = value.toUpper();
                break;
            case SymbolFilter::Dash:
                value.replace(u'.', u'-').replace(u'/', u'-');
                break;
        }
    }
    return value;
}

ChartAddress::ChartAddress(QStringList pieces)
    : pieces_(std::move(pieces)), slots_(static_cast<size_t>(pieces_.size() - 1)) {}

ChartAddress::ChartAddress(QStringList pieces, std::vector<SymbolSlot> slots)
    : pieces_(std::move(pieces)), slots_(std::move(slots)) {}

QString ChartAddress::forSymbol(const QString& symbol) const {
    QString address = pieces_.front();
    for (qsizetype gap = 1; gap < pieces_.size(); ++gap) {
        address += slot(gap - 1).apply(symbol) + pieces_[gap];
    }
    return address;
}

QString ChartAddress::withFilteredSymbol(const QString& symbol) const {
    QString text = pieces_.front();
    for (qsizetype gap = 1; gap < pieces_.size(); ++gap) {
        text += slot(gap - 1).filtered(symbol) + pieces_[gap];
    }
    return text;
}

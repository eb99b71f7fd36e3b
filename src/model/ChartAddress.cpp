#include "model/ChartAddress.h"

#include <QUrl>

QString SymbolSlot::apply(const QString& symbol) const {
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
    // Everything but the unreserved characters of RFC 3986 (letters, digits, "-", ".", "_",
    // "~") is percent-encoded as UTF-8, so any symbol stays one value of the address.
    return percentEncoded ? QString::fromLatin1(QUrl::toPercentEncoding(value)) : value;
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

#include "settings/RecordKeys.h"

#include <array>

namespace {
const std::array<QString, StockTextCount>& stockFieldNames() {
    static const std::array<QString, StockTextCount> names = [] {
        std::array<QString, StockTextCount> all{
            QStringLiteral("Stock"), QStringLiteral("Description"), QStringLiteral("URL")};
        for (SiteId site : AllSites) {
            all[AlternateText(site)] = AlternateFieldName(site);
        }
        return all;
    }();
    return names;
}

// The record's index ending `text`, without leading zeros, and where it starts; or nothing.
std::optional<std::pair<qsizetype, qint16>> recordIndex(QByteArrayView text) {
    qsizetype start = text.size();
    while (start > 0 && text[start - 1] >= '0' && text[start - 1] <= '9') {
        --start;
    }
    const qsizetype digits = text.size() - start;
    if (start == 0 || digits == 0 || digits > 4 || (digits > 1 && text[start] == '0')) {
        return std::nullopt;
    }
    qint16 number = 0;
    for (const char digit : text.sliced(start)) {
        number = qint16(number * 10 + (digit - '0'));
    }
    return std::pair(start, number);
}
}  // namespace

QString TypeRecordKey(size_t field, qint16 t) {
    return QLatin1StringView(TypeFieldNames[field]) + QString::number(t);
}

QString StockRecordKey(size_t field, qint16 i) {
    return stockFieldNames()[field] + QString::number(i);
}

std::optional<QString> RecordKeyNamed(QByteArrayView text) {
    const auto index = recordIndex(text);
    if (!index) {
        return std::nullopt;
    }
    const auto [start, number] = *index;
    const QLatin1StringView name(text.first(start));
    for (size_t field = 0; field < std::size(TypeFieldNames); ++field) {
        if (name == QLatin1StringView(TypeFieldNames[field]) && number < TypeCapacity) {
            return TypeRecordKey(field, number);
        }
    }
    const auto& stockNames = stockFieldNames();
    for (size_t field = 0; field < stockNames.size(); ++field) {
        if (name == stockNames[field] && number < StockCapacity) {
            return StockRecordKey(field, number);
        }
    }
    return std::nullopt;
}

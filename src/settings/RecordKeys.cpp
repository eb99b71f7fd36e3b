#include "settings/RecordKeys.h"

#include "model/SiteTable.h"

#include <array>
#include <string_view>

namespace {
#define TICKVANE_ALTERNATE_NAME(name, fileName, code, ...) "Alt_" code,
constexpr std::string_view StockFieldNames[] = {
    "Stock", "Description", "URL", TICKVANE_BUILT_IN_SITES(TICKVANE_ALTERNATE_NAME) "Exchange"};
#undef TICKVANE_ALTERNATE_NAME
static_assert(std::size(StockFieldNames) == StockTextCount);

constexpr size_t TypeFields = std::size(TypeFieldNames);
constexpr size_t KeyCount = TypeFields * TypeCapacity + StockTextCount * StockCapacity;

constexpr size_t digitCount(size_t number) {
    return number < 10 ? 1 : number < 100 ? 2 : number < 1000 ? 3 : 4;
}

// Calls `visit` with the field name and the record index of every key, in the table's order.
template <typename Visit>
constexpr void forEachKey(Visit visit) {
    for (const std::string_view name : TypeFieldNames) {
        for (size_t t = 0; t < TypeCapacity; ++t) {
            visit(name, t);
        }
    }
    for (const std::string_view name : StockFieldNames) {
        for (size_t i = 0; i < StockCapacity; ++i) {
            visit(name, i);
        }
    }
}

constexpr size_t textSize() {
    size_t size = 0;
    forEachKey(
        [&](std::string_view name, size_t number) { size += name.size() + digitCount(number); });
    return size;
}

// Every key's characters one after the other, types' fields first, each field's keys in index
// order; key k runs from start[k] to start[k + 1].
// Made by the compiler: keys made per use cost --generate of a full list 7% (30.1 against 28.0 ms).
struct KeyTable {
    std::array<char16_t, textSize()> text{};
    std::array<quint32, KeyCount + 1> start{};
};

constexpr void appendKey(KeyTable& table, size_t& key, size_t& at, std::string_view name,
                         size_t number) {
    table.start[key++] = quint32(at);
    for (const char c : name) {
        table.text[at++] = char16_t(c);
    }
    const size_t digits = digitCount(number);
    at += digits;
    for (size_t place = 1; place <= digits; ++place, number /= 10) {
        table.text[at - place] = char16_t(u'0' + number % 10);
    }
}

constexpr KeyTable makeKeyTable() {
    KeyTable table;
    size_t key = 0;
    size_t at = 0;
    forEachKey(
        [&](std::string_view name, size_t number) { appendKey(table, key, at, name, number); });
    table.start[key] = quint32(at);
    return table;
}

constexpr KeyTable Keys = makeKeyTable();

QString keyAt(size_t key) {
    const quint32 start = Keys.start[key];
    return QString::fromRawData(reinterpret_cast<const QChar*>(Keys.text.data() + start),
                                qsizetype(Keys.start[key + 1] - start));
}

// The record's index ending `text`, without leading zeros, and where it starts; or nothing.
std::optional<std::pair<size_t, qint16>> recordIndex(QByteArrayView text) {
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
    return std::pair(size_t(start), number);
}
}  // namespace

QString TypeRecordKey(size_t field, qint16 t) {
    return keyAt(field * TypeCapacity + size_t(t));
}

QString StockRecordKey(size_t field, qint16 i) {
    return keyAt(TypeFields * TypeCapacity + field * StockCapacity + size_t(i));
}

std::optional<QString> RecordKeyNamed(QByteArrayView text) {
    const auto index = recordIndex(text);
    if (!index) {
        return std::nullopt;
    }
    const auto [start, number] = *index;
    const std::string_view name(text.data(), start);
    for (size_t field = 0; field < TypeFields; ++field) {
        if (name == TypeFieldNames[field] && number < TypeCapacity) {
            return TypeRecordKey(field, number);
        }
    }
    for (size_t field = 0; field < StockTextCount; ++field) {
        if (name == StockFieldNames[field] && number < StockCapacity) {
            return StockRecordKey(field, number);
        }
    }
    return std::nullopt;
}

#include "settings/RecordKeys.h"

#include <array>

namespace {
constexpr size_t TypeFields = std::size(TypeFieldNames);
constexpr size_t StockFields = std::size(StockFieldNames);
constexpr size_t KeyCount = TypeFields * TypeCapacity + StockFields * StockCapacity;

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

// Record field names are told apart by their length and last letter, which a small table maps
// to the only name that can match: a key is then compared once, not with every name.
struct FieldSlot {
    bool stock = false;
    int field = -1;  // -1: no name
};

constexpr size_t slotOf(std::string_view name) {
    return (name.size() * 8 + size_t(name.back())) % 64;
}

constexpr std::array<FieldSlot, 64> FieldSlots = [] {
    std::array<FieldSlot, 64> slots{};
    const auto add = [&](std::string_view name, bool stock, int field) {
        // Two names in one slot would make the second unreadable: the build stops here then.
        if (slots[slotOf(name)].field >= 0) {
            throw "two record field names share a slot";
        }
        slots[slotOf(name)] = {stock, field};
    };
    for (size_t n = 0; n < TypeFields; ++n) {
        add(TypeFieldNames[n], false, int(n));
    }
    for (size_t n = 0; n < StockFields; ++n) {
        add(StockFieldNames[n], true, int(n));
    }
    return slots;
}();

}  // namespace

QString TypeRecordKey(size_t field, qint16 t) {
    return keyAt(field * TypeCapacity + size_t(t));
}

QString StockRecordKey(size_t field, qint16 i) {
    return keyAt(TypeFields * TypeCapacity + field * StockCapacity + size_t(i));
}

std::optional<QString> RecordKeyNamed(QByteArrayView text) {
    qsizetype start = text.size();
    while (start > 0 && text[start - 1] >= '0' && text[start - 1] <= '9') {
        --start;
    }
    const qsizetype digits = text.size() - start;
    if (digits == 0 || digits > 4 || (digits > 1 && text[start] == '0')) {
        return std::nullopt;
    }
    qint16 number = 0;
    for (const char digit : text.sliced(start)) {
        number = qint16(number * 10 + (digit - '0'));
    }
    const std::string_view name(text.data(), size_t(start));
    if (name.empty()) {
        return std::nullopt;
    }
    const FieldSlot slot = FieldSlots[slotOf(name)];
    if (slot.field < 0) {
        return std::nullopt;
    }
    const size_t field = size_t(slot.field);
    if (slot.stock) {
        return name == StockFieldNames[field] && number < StockCapacity
                   ? std::optional(StockRecordKey(field, number))
                   : std::nullopt;
    }
    return name == TypeFieldNames[field] && number < TypeCapacity
               ? std::optional(TypeRecordKey(field, number))
               : std::nullopt;
}

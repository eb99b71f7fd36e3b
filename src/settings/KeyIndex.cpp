#include "settings/KeyIndex.h"

#include <QHashFunctions>

namespace {
// FNV-1a over the UTF-16 units, started from the process's random hash seed so that a file
// cannot be written to make every key collide, then mixed so that the low bits, which pick
// the slot, depend on every unit.
quint32 hashOf(QStringView key) {
    static const quint64 seed = quint64(QHashSeed::globalSeed()) ^ 0xcbf29ce484222325ULL;
    quint64 hash = seed;
    for (const QChar c : key) {
        hash = (hash ^ c.unicode()) * 0x100000001b3ULL;
    }
    hash ^= hash >> 29;
    hash *= 0xbf58476d1ce4e5b9ULL;
    return quint32(hash ^ (hash >> 32));
}

constexpr size_t minimumSlots = 16;
}  // namespace

void KeyIndex::reserve(size_t count) {
    size_t slots = minimumSlots;
    while (slots < 2 * count) {
        slots *= 2;
    }
    if (slots > slots_.size()) {
        resize(slots);
    }
}

void KeyIndex::clear() {
    slots_.clear();
    count_ = 0;
}

size_t KeyIndex::slotOf(const StoreValues& values, QStringView key, quint32 hash) const {
    const size_t mask = slots_.size() - 1;
    for (size_t at = hash & mask;; at = (at + 1) & mask) {
        const Slot& slot = slots_[at];
        if (slot.position < 0 ||
            (slot.hash == hash && values[size_t(slot.position)].first == key)) {
            return at;
        }
    }
}

qsizetype KeyIndex::find(const StoreValues& values, QStringView key) const {
    if (slots_.empty()) {
        return -1;
    }
    return slots_[slotOf(values, key, hashOf(key))].position;
}

qsizetype KeyIndex::insert(const StoreValues& values, QStringView key, qsizetype position) {
    if (2 * (count_ + 1) > slots_.size()) {
        resize(std::max(minimumSlots, 2 * slots_.size()));
    }
    const quint32 hash = hashOf(key);
    Slot& slot = slots_[slotOf(values, key, hash)];
    if (slot.position >= 0) {
        return slot.position;
    }
    slot = {hash, qint32(position)};
    ++count_;
    return -1;
}

// Moves every key to its place in a table of `slotCount` slots, a power of two.
void KeyIndex::resize(size_t slotCount) {
    std::vector<Slot> old = std::exchange(slots_, std::vector<Slot>(slotCount));
    const size_t mask = slotCount - 1;
    for (const Slot& slot : old) {
        if (slot.position >= 0) {
            size_t at = slot.hash & mask;
            while (slots_[at].position >= 0) {
                at = (at + 1) & mask;
            }
            slots_[at] = slot;
        }
    }
}

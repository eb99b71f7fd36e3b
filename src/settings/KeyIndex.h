#pragma once

#include "settings/StoreSections.h"

#include <QStringView>
#include <QtGlobal>
#include <vector>

// Where each key of a section's values stands, by open addressing over a small table of
// positions. A store holds thousands of keys and is read at every start: a QHash of the keys,
// which copies each into a node of its own, took longer to build than parsing the whole file.
// The keys stay in the values; the index keeps their positions and hashes only.
class KeyIndex {
  public:
    // Makes room for `count` keys, so that adding them rehashes nothing.
    void reserve(size_t count);
    void clear();

    // The position of `key` in `values`, or -1.
    qsizetype find(const StoreValues& values, QStringView key) const;
    // The position of `key` when it is indexed already; otherwise records it at `position`,
    // where the caller puts it, and returns -1.
    qsizetype insert(const StoreValues& values, QStringView key, qsizetype position);

  private:
    struct Slot {
        quint32 hash = 0;
        qint32 position = -1;  // -1: free
    };

    // The slot holding `key`, or the free slot where it would go.
    size_t slotOf(const StoreValues& values, QStringView key, quint32 hash) const;
    void resize(size_t slotCount);

    std::vector<Slot> slots_;
    size_t count_ = 0;
};

#pragma once

#include <QString>
#include <utility>
#include <vector>

// The store's content as plain text: named sections of key/value strings, in order. The model
// is turned into this form once, and each backend (the INI file, the registry script) only
// writes or reads it.
using StoreValues = std::vector<std::pair<QString, QString>>;

struct StoreSection {
    QString name;
    StoreValues values;

    bool operator==(const StoreSection&) const = default;
};

using StoreSections = std::vector<StoreSection>;

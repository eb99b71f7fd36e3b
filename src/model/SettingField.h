#pragma once

#include "model/OptionTable.h"
#include "model/SymbolForms.h"

#include <QString>
#include <QtGlobal>
#include <array>
#include <variant>
#include <vector>

// One stored setting: its key in a store section and the model field it lives in. The store,
// the registry script export and the import all walk these lists, so a section's keys, their
// order and their value forms are described once.
struct SettingField {
    QString key;
    std::variant<qint16*, qint32*, bool*, QString*, SymbolForms*> target;
    // For a selection: the table its index must fall in. A stored index outside it is refused.
    const OptionTable* table = nullptr;
    // The value that stands for the table's first label: 0, or -1 where -1 means "none".
    qint16 first = 0;
    // Stored only while it is not 0 (or empty, or `usual`): a key added after stores and
    // exports of users who never change it were made, which stay as they were.
    bool storedWhenSet = false;
    // For a text that must keep a form: the reason a value is refused, empty when it is not.
    QString (*problem)(QStringView text) = nullptr;
    // For a table stored only when set: the value it is not stored with, when not empty.
    const SymbolForms* usual = nullptr;
};

using SettingFields = std::vector<SettingField>;

// Appends `base` + index for each element of `values` (CompSym0, CompSym1, ...).
template <typename T, size_t N>
void AppendIndexed(SettingFields& fields, const QString& base, std::array<T, N>& values,
                   const OptionTable* table = nullptr) {
    for (size_t i = 0; i < N; ++i) {
        fields.push_back({base + QString::number(i), &values[i], table});
    }
}

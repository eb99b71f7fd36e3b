#pragma once

#include <QString>
#include <QtGlobal>
#include <initializer_list>
#include <vector>

// A fixed, ordered list of option labels offered in one drop-down list. A selection is a
// 16-bit index into Labels; the sites map indexes to the codes of their chart addresses.
struct OptionTable {
    std::vector<QString> Labels;

    OptionTable(std::initializer_list<const char*> labels);
    qint16 MaxIndex() const { return static_cast<qint16>(Labels.size()) - 1; }
    bool contains(qint16 index) const { return index >= 0 && index <= MaxIndex(); }
    const QString& label(qint16 index) const { return Labels.at(static_cast<size_t>(index)); }
};

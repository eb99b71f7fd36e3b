#pragma once

#include <QLatin1StringView>
#include <QString>
#include <QtGlobal>
#include <initializer_list>
#include <vector>

// One choice of a drop-down list: the label the user reads and the code a site's chart
// address carries for it.
struct OptionRow {
    const char* label;
    const char* code;
};

// A fixed, ordered list of option labels offered in one drop-down list. A selection is a
// 16-bit index into Labels; a site's lists also give each label its address code.
struct OptionTable {
    std::vector<QString> Labels;
    std::vector<QLatin1StringView> Codes;  // one per label, or none for a list no address uses

    OptionTable(std::initializer_list<const char*> labels);
    OptionTable(std::initializer_list<QString> labels) : Labels(labels) {}
    OptionTable(std::initializer_list<OptionRow> rows);
    qint16 MaxIndex() const { return static_cast<qint16>(Labels.size()) - 1; }
    bool contains(qint16 index) const { return index >= 0 && index <= MaxIndex(); }
    const QString& label(qint16 index) const { return Labels.at(static_cast<size_t>(index)); }
    QLatin1StringView code(qint16 index) const { return Codes.at(static_cast<size_t>(index)); }
};

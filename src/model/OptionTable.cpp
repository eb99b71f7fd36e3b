#include "model/OptionTable.h"

OptionTable::OptionTable(std::initializer_list<const char*> labels) {
    Labels.reserve(labels.size());
    for (const char* label : labels) {
        Labels.push_back(QString::fromUtf8(label));
    }
}

OptionTable::OptionTable(std::initializer_list<OptionRow> rows) {
    Labels.reserve(rows.size());
    Codes.reserve(rows.size());
    for (const OptionRow& row : rows) {
        Labels.push_back(QString::fromUtf8(row.label));
        Codes.emplace_back(row.code);
    }
}

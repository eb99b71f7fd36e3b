#include "model/OptionTable.h"

OptionTable::OptionTable(std::initializer_list<const char*> labels) {
    Labels.reserve(labels.size());
    for (const char* label : labels) {
        Labels.push_back(QString::fromUtf8(label));
    }
}

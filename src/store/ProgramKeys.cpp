#include "store/ProgramKeys.h"

#include "store/StoreLayout.h"

#include <memory>

ProgramKeys::ProgramKeys() {
    // A list at its capacities names every record key there can be.
    auto model = std::make_unique<Model>();
    model->list.Maxtypes = TypeCapacity - 1;
    model->list.Maxstocks = StockCapacity - 1;
    TwipsGeometry geometry;
    for (const SectionLayout& layout : SettingsLayout(*model, geometry)) {
        Section& section = sections_[layout.name.toCaseFolded()];
        section.name = layout.name;
        const auto add = [&](const SettingField& field) {
            section.keys.insert(field.key.toCaseFolded(), field.key);
        };
        for (const SettingField& field : layout.fields) {
            add(field);
        }
        if (layout.name == StockListSectionName) {
            ForEachStockRecordField(model->list, add);
        }
    }
}

const ProgramKeys& ProgramKeys::instance() {
    static const ProgramKeys keys;
    return keys;
}

std::optional<QString> ProgramKeys::section(const QString& anyCase) const {
    const auto found = sections_.constFind(anyCase.toCaseFolded());
    return found == sections_.constEnd() ? std::nullopt : std::optional(found->name);
}

std::optional<QString> ProgramKeys::key(const QString& section, const QString& anyCase) const {
    const auto found = sections_.constFind(section.toCaseFolded());
    if (found == sections_.constEnd()) {
        return std::nullopt;
    }
    const auto key = found->keys.constFind(anyCase.toCaseFolded());
    return key == found->keys.constEnd() ? std::nullopt : std::optional(*key);
}

#include "settings/ProgramKeys.h"

#include "settings/EarlierOwnSite.h"
#include "settings/StoreLayout.h"

#include <memory>

namespace {
// The digits that end a record key ("Stock12" -> 5), written as the program writes them.
qsizetype indexStart(const QString& key) {
    qsizetype start = key.size();
    while (start > 0 && key[start - 1].isDigit() && key[start - 1].unicode() < 0x80) {
        --start;
    }
    const bool leadingZero = key.size() - start > 1 && key[start] == u'0';
    return start == key.size() || leadingZero ? -1 : start;
}
}  // namespace

ProgramKeys::ProgramKeys() {
    auto model = std::make_unique<Model>();
    model->chartSites.resize(ChartSiteLimit);
    TwipsGeometry geometry;
    StoreLayout layout = SettingsLayout(*model, geometry);
    EarlierOwnSite ownSite;
    layout.push_back({OwnSiteSectionName, EarlierOwnSiteFields(ownSite)});
    for (const SectionLayout& stored : layout) {
        Section& section = sections_[stored.name.toCaseFolded()];
        section.name = stored.name;
        for (const SettingField& field : stored.fields) {
            section.keys.insert(field.key.toCaseFolded(), field.key);
        }
    }
    sections_[ChartSitesSectionName.toCaseFolded()].keys.insert(ChartSiteCountKey.toCaseFolded(),
                                                                ChartSiteCountKey);
    // The record keys are a name and an index; the names of the first type and the first
    // stock are enough to know them all.
    Section& stockList = sections_[StockListSectionName.toCaseFolded()];
    StockList& list = model->list;
    for (const int capacity : {TypeCapacity, StockCapacity}) {
        list.Maxtypes = capacity == TypeCapacity ? 0 : -1;
        list.Maxstocks = capacity == TypeCapacity ? -1 : 0;
        ForEachStockRecordField(list, [&](const SettingField& field) {
            stockList.records.push_back({field.key.chopped(1), capacity});
        });
    }
}

const ProgramKeys& ProgramKeys::instance() {
    static const ProgramKeys keys;
    return keys;
}

const ProgramKeys::Section* ProgramKeys::section(const QString& anyCase) const {
    const auto found = sections_.constFind(anyCase.toCaseFolded());
    return found == sections_.constEnd() ? nullptr : &*found;
}

// A record key is matched without making a folded copy: a script holds thousands of them,
// nearly always in the program's own spelling, which is then returned as it is.
std::optional<QString> ProgramKeys::key(const Section& section, const QString& anyCase) const {
    const qsizetype start = section.records.empty() ? -1 : indexStart(anyCase);
    if (start < 0) {
        const auto key = section.keys.constFind(anyCase.toCaseFolded());
        return key == section.keys.constEnd() ? std::nullopt : std::optional(*key);
    }
    const QStringView name = QStringView(anyCase).first(start);
    for (const Record& record : section.records) {
        // The length is compared first: a case-blind comparison costs more than the rest.
        if (name.size() == record.name.size() &&
            (name == record.name || name.compare(record.name, Qt::CaseInsensitive) == 0)) {
            bool number = false;
            if (QStringView(anyCase).sliced(start).toInt(&number) >= record.capacity || !number) {
                return std::nullopt;
            }
            return name == record.name ? anyCase : record.name + anyCase.sliced(start);
        }
    }
    return std::nullopt;
}

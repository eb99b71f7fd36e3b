#include "store/AllSettings.h"

#include "model/StartPage.h"
#include "store/StoreLayout.h"
#include "store/StoredStockList.h"
#include "store/StoredValue.h"

namespace {
void readSection(const SettingsStore& store, const SectionLayout& section) {
    for (const SettingField& field : section.fields) {
        if (const auto text = store.GetValue(section.name, field.key)) {
            ReadStoredText(field, *text);
        }
    }
}

bool usable(const TwipsGeometry& g) {
    return g.Top >= 1 && g.Left >= 1 && g.Height >= 1 && g.Width >= 1;
}
}  // namespace

std::optional<QString> LoadAllSettings(const SettingsStore& store, Model& model,
                                       WindowGeometry* geometry) {
    model.SettingsChanged = false;
    GeneralSettings& general = model.general;
    const QString startPage = general.StartPage;
    // Unlike the other settings, these three are False when they are not stored.
    general.ForceUpper = general.NoLineWraps = general.UseSavedGeometry = false;
    TwipsGeometry stored{-1, -1, -1, -1};
    for (const SectionLayout& section : SettingsLayout(model, stored)) {
        if (section.name != StockListSectionName) {
            readSection(store, section);
        }
    }
    if (!NamesSite(general.StartPage)) {
        general.StartPage = startPage;
    }
    if (geometry && general.UseSavedGeometry && usable(stored)) {
        geometry->place(stored);
    }
    return LoadStockList(store, model.list);
}

void SaveAllSettings(SettingsStore& store, Model& model, const TwipsGeometry& geometry) {
    QStringList unwritten = SectionNames();
    for (const StoreSection& section : ModelSections(model, geometry)) {
        unwritten.removeOne(section.name);
        for (const auto& [key, value] : section.values) {
            store.SaveValue(section.name, key, value);
        }
    }
    // A section left out for holding only defaults must not keep older values, which the
    // next load would bring back.
    for (const QString& name : unwritten) {
        store.DeleteSection(name);
    }
}

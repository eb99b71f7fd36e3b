#include "store/Storage.h"

#include "store/AllSettings.h"
#include "store/IniSettingsStore.h"
#include "store/StoreLayout.h"

StoreResult Storage::load(Model& model, WindowGeometry* geometry) const {
    const IniSettingsStore store(storeFile_);
    StoreResult result = store.readStatus();
    if (!result.ok) {
        return result;
    }
    if (const auto repair = LoadAllSettings(store, model, geometry)) {
        result.warnings << QStringLiteral(
                               "The stock list stored in %1 was damaged (%2) and has "
                               "been repaired; save the settings to keep the repair.")
                               .arg(storeFile_, *repair);
    }
    return result;
}

StoreResult Storage::save(Model& model, const WindowGeometry& geometry) const {
    IniSettingsStore store(storeFile_);
    // Saving keeps every key it does not write, so an unreadable file must not be replaced.
    StoreResult result = store.readStatus();
    if (!result.ok) {
        return result;
    }
    SaveAllSettings(store, model, geometry.current());
    result = store.commit();
    if (result.ok) {
        model.SettingsChanged = false;
    }
    return result;
}

StoreResult Storage::deleteAll(Model& model) const {
    model.SettingsChanged = true;
    IniSettingsStore store(storeFile_);
    for (const QString& section : SectionNames()) {
        store.DeleteSection(section);
    }
    return store.commit();
}

void ClearSettings(Model& model) {
    ApplyDefaults(model);
    model.SettingsChanged = true;
}

StoreResult LoadAtStartup(Model& model, const Storage& storage, WindowGeometry* geometry) {
    ApplyDefaults(model);
    StoreResult result = storage.load(model, geometry);
    if (model.list.Maxtypes < 0 && model.list.Maxstocks < 0) {
        DefaultStockList(model);
    }
    return result;
}

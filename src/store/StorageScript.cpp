#include "store/IniSettingsStore.h"
#include "store/RegistryScript.h"
#include "store/Storage.h"
#include "store/StoreLayout.h"

#include <QFile>
#include <QSaveFile>
#include <algorithm>

namespace {
StoreResult failed(const QString& error) {
    return StoreResult{false, error, {}};
}

StoreResult writeWholeFile(const QString& path, const QByteArray& bytes) {
    QSaveFile file(path);
    if (!file.open(QIODevice::WriteOnly) || file.write(bytes) != bytes.size() || !file.commit()) {
        return failed(QStringLiteral("Could not write \"%1\": %2.").arg(path, file.errorString()));
    }
    return {};
}

bool holdsValuesOf(const StoreSection& section, const QStringList& sectionNames) {
    return sectionNames.contains(section.name) && !section.values.empty();
}

void copySections(const StoreSections& sections, const QStringList& sectionNames,
                  SettingsStore& store) {
    for (const StoreSection& section : sections) {
        if (sectionNames.contains(section.name)) {
            for (const auto& [key, value] : section.values) {
                store.SaveValue(section.name, key, value);
            }
        }
    }
}
}  // namespace

StoreResult Storage::exportScript(Model& model, const WindowGeometry& geometry,
                                  const QString& scriptFile) const {
    const ScriptText script = WriteRegistryScript(ModelSections(model, geometry.current()));
    StoreResult result = writeWholeFile(scriptFile, script.bytes);
    result.warnings << script.warnings;
    return result;
}

StoreResult Storage::importScript(const QString& scriptFile) const {
    QFile file(scriptFile);
    if (!file.open(QIODevice::ReadOnly)) {
        return failed(
            QStringLiteral("Could not read \"%1\": %2.").arg(scriptFile, file.errorString()));
    }
    const ScriptContent script = ReadRegistryScript(file.readAll());
    if (!script.ok) {
        return failed(QStringLiteral("%1 is not a settings script of Tickvane: %2.")
                          .arg(scriptFile, script.reason));
    }
    const QStringList known = SectionNames();
    if (std::none_of(script.sections.begin(), script.sections.end(),
                     [&](const StoreSection& section) { return holdsValuesOf(section, known); })) {
        return failed(QStringLiteral("%1 holds no settings of Tickvane.").arg(scriptFile));
    }
    // QSettings writes its changes when it goes, so the store is cleared only once the script
    // is known to be good.
    IniSettingsStore store(storeFile_);
    store.clear();
    copySections(script.sections, known, store);
    return store.commit();
}

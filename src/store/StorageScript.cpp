#include "store/IniSettingsStore.h"
#include "store/RegistryScript.h"
#include "store/Storage.h"
#include "store/StoreLayout.h"

#include <QFile>
#include <QSaveFile>

namespace {
StoreResult failed(const QString& error) {
    return StoreResult{false, error, {}};
}

StoreResult writeWholeFile(const QString& path, const QByteArray& bytes) {
    QSaveFile file(path);
    if (!file.open(QIODevice::WriteOnly) || file.write(bytes) != bytes.size() || !file.commit()) {
        return failed(QStringLiteral("Cannot write %1: %2.").arg(path, file.errorString()));
    }
    return {};
}

// Puts the script's values of this program's sections into `store`; returns how many.
int copyKnownSections(const StoreSections& sections, SettingsStore& store) {
    const QStringList known = SectionNames();
    int count = 0;
    for (const StoreSection& section : sections) {
        if (!known.contains(section.name)) {
            continue;
        }
        for (const auto& [key, value] : section.values) {
            store.SaveValue(section.name, key, value);
            ++count;
        }
    }
    return count;
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
        return failed(QStringLiteral("Cannot read %1: %2.").arg(scriptFile, file.errorString()));
    }
    const ScriptContent script = ReadRegistryScript(file.readAll());
    if (!script.ok) {
        return failed(QStringLiteral("%1 is not a settings script of Tickvane: %2.")
                          .arg(scriptFile, script.reason));
    }
    IniSettingsStore store(storeFile_);
    store.clear();
    if (copyKnownSections(script.sections, store) == 0) {
        return failed(QStringLiteral("%1 holds no settings of Tickvane.").arg(scriptFile));
    }
    return store.commit();
}

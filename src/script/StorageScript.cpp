#include "script/StorageScript.h"

#include "files/BoundedRead.h"
#include "files/WholeFile.h"
#include "script/RegistryScript.h"
#include "script/ScriptImport.h"
#include "script/UnlinkedAddresses.h"
#include "settings/AllSettings.h"
#include "settings/IniSettingsStore.h"
#include "settings/StoreLayout.h"

#include <QCoreApplication>
#include <QFile>
#include <algorithm>

namespace {
StoreResult failed(const QString& error) {
    return StoreResult{false, error, {}, {}};
}

// The script's bytes, at most MaxInputBytes of them; `error` says why there are none.
QByteArray readScript(const QString& scriptFile, QString& error) {
    QFile file(scriptFile);
    if (!file.open(QIODevice::ReadOnly)) {
        error = QCoreApplication::translate("StorageScript", "Could not read \"%1\": %2.")
                    .arg(scriptFile, file.errorString());
        return {};
    }
    QByteArray bytes;
    if (!ReadBounded(file, bytes)) {
        error = QCoreApplication::translate(
                    "StorageScript",
                    "%1 is larger than 64 MiB, so it is not a settings script of "
                    "Tickvane.")
                    .arg(scriptFile);
        return {};
    }
    return bytes;
}
}  // namespace

StoreResult ExportScript(const Storage& storage, Model& model, const WindowGeometry& geometry,
                         const QString& scriptFile) {
    if (const QString refusal = storage.writeRefusal(scriptFile); !refusal.isEmpty()) {
        return failed(refusal);
    }
    const ScriptText script = WriteRegistryScript(ModelSections(model, geometry.current()));
    const QString reason = WriteWholeFile(scriptFile, script.bytes, SpecialFiles::WriteInto);
    if (!reason.isEmpty()) {
        return failed(QCoreApplication::translate("StorageScript", "Could not write \"%1\": %2.")
                          .arg(scriptFile, reason));
    }
    return StoreResult{true, {}, script.warnings, {}};
}

StoreResult ImportScript(const Storage& storage, const QString& scriptFile) {
    QString error;
    const QByteArray bytes = readScript(scriptFile, error);
    if (!error.isEmpty()) {
        return failed(error);
    }
    ScriptContent script = ReadRegistryScript(bytes);
    if (!script.ok) {
        //: %1 is the file, %2 why it is not a settings script.
        return failed(QCoreApplication::translate("StorageScript",
                                                  "%1 is not a settings script of Tickvane: %2.")
                          .arg(scriptFile, script.reason));
    }
    const auto refused = [&](const QString& refusal) {
        //: %1 is the file, %2 why it was not imported.
        return failed(QCoreApplication::translate("StorageScript", "%1 was not imported: %2.")
                          .arg(scriptFile, refusal));
    };
    ImportedSections imported = ProgramSections(std::move(script));
    if (!imported.refusal.isEmpty()) {
        return refused(imported.refusal);
    }
    if (std::all_of(imported.sections.begin(), imported.sections.end(),
                    [](const StoreSection& section) { return section.values.empty(); })) {
        return failed(
            QCoreApplication::translate("StorageScript", "%1 holds no settings of Tickvane.")
                .arg(scriptFile));
    }
    IniSettingsStore store(storage.file(), std::move(imported.sections));
    if (const QString refusal = StockListRefusal(store); !refusal.isEmpty()) {
        return refused(refusal);
    }
    for (const QString& refusal : {ChartSitesRefusal(store), SiteFormsRefusal(store)}) {
        if (!refusal.isEmpty()) {
            //: %1 is the file, %2 why it was not imported (a whole sentence).
            return failed(QCoreApplication::translate("StorageScript", "%1 was not imported: %2")
                              .arg(scriptFile, refusal));
        }
    }
    // What loading the new store would repair is judged here, on the values in memory.
    Model model;
    ApplyDefaults(model, storage.defaultHtmlDir());
    QStringList warnings =
        LoadAllSettings(store, model, nullptr, scriptFile, storage.defaultHtmlDir());
    // One message in the window, one line per address on the command line.
    if (const QString unlinked = UnlinkedAddressWarning(model, scriptFile); !unlinked.isEmpty()) {
        warnings << unlinked;
    }
    StoreResult result = store.commit();
    if (result.ok) {
        result.warnings << warnings;
    }
    return result;
}

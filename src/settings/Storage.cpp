#include "settings/Storage.h"

#include "files/FilePaths.h"
#include "files/WholeFile.h"
#include "listfiles/ListFile.h"
#include "settings/AllSettings.h"
#include "settings/IniSettingsStore.h"
#include "settings/ProgramKeys.h"
#include "settings/RecoveryFile.h"
#include "settings/StoreLayout.h"
#include "settings/StoreLock.h"

#include <QCoreApplication>
#include <QFile>
#include <algorithm>
#include <cerrno>
#include <cstdio>

namespace {
// Whether the store file can be used.
enum class StoreState {
    Usable,      // missing, empty, or holding settings of this program
    Unusable,    // read, but nothing in it is a setting of this program
    Unreadable,  // not a regular file, or not readable
};

bool holdsProgramSettings(const IniSettingsStore& store) {
    // A store this program wrote holds its list's first type: the files it did not write are
    // the rare ones worth every name of the program.
    if (store.GetValue(StockListSectionName, TypeNameKey(0))) {
        return true;
    }
    const ProgramKeys& names = ProgramKeys::instance();
    return std::any_of(store.sections().begin(), store.sections().end(), [&](const auto& section) {
        const auto* program = names.section(section.name);
        return program && program->name == section.name &&
               std::any_of(section.values.begin(), section.values.end(), [&](const auto& value) {
                   return names.key(*program, value.first) == value.first;
               });
    });
}

QString backupOf(const QString& storeFile) {
    return storeFile + QStringLiteral(".bak");
}

// Keeps the keys of the file that a save does not write (records past the list's end, keys
// of other versions), except those the save left out on purpose.
void keepUnwritten(IniSettingsStore& store, const StoreSections& earlier, const LeftOut& leftOut) {
    for (const StoreSection& section : earlier) {
        if (leftOut.sections.contains(section.name)) {
            continue;
        }
        for (const auto& [key, value] : section.values) {
            if (!leftOut.hasKey(section.name, key) && !store.GetValue(section.name, key)) {
                store.SaveValue(section.name, key, value);
            }
        }
    }
}

// Puts back the window position of `earlier` over the one just saved, when there is one.
void keepStoredPosition(IniSettingsStore& store, const StoreSections& earlier) {
    IniSettingsStore before(QString(), earlier);
    for (const QString& key : {TopKey, LeftKey}) {
        if (const auto value = before.GetValue(GeneralSectionName, key)) {
            store.SaveValue(GeneralSectionName, key, *value);
        }
    }
}

// Why nothing of the file read into `store` is used, or empty; "%1" stands for the file.
QString whyUnusable(const IniSettingsStore& store) {
    if (store.tooLarge()) {
        return QCoreApplication::translate(
            "Storage",
            "The settings file \"%1\" is larger than 64 MiB, so it is not one of Tickvane and "
            "the defaults are used.");
    }
    if (store.readAnything() && !holdsProgramSettings(store)) {
        return QCoreApplication::translate(
            "Storage",
            "Nothing in the settings file \"%1\" could be read as settings of Tickvane, so the "
            "defaults are used.");
    }
    return {};
}

// The state of the file `store` was read from; `result` says why it is not usable.
StoreState ReadState(const IniSettingsStore& store, const QString& storeFile, StoreResult& result) {
    result = store.readStatus();
    if (!result.ok) {
        return StoreState::Unreadable;
    }
    const QString what = whyUnusable(store);
    if (!what.isEmpty()) {
        result.ok = false;
        //: Follows the sentence that says why the settings file "%1" is not used; %2 is the
        //: name it is moved to.
        const QString moved = QCoreApplication::translate(
            "Storage", "The file will be moved to \"%2\" when the settings are saved.");
        result.error = (what + u' ' + moved).arg(storeFile, backupOf(storeFile));
        return StoreState::Unusable;
    }
    return StoreState::Usable;
}

// Moves an unusable store file aside to FILE.bak, so that writing the store loses nothing, and
// empties `store`.
StoreResult SetAside(IniSettingsStore& store, const QString& storeFile) {
    StoreResult result;
    const QString backup = backupOf(storeFile);
    if (std::rename(QFile::encodeName(storeFile).constData(),
                    QFile::encodeName(backup).constData()) != 0) {
        result.ok = false;
        result.error =
            QCoreApplication::translate("Storage",
                                        "Could not move the unusable settings file \"%1\" to "
                                        "\"%2\": %3.")
                .arg(storeFile, backup, SystemReason(errno));
        return result;
    }
    store.takeAll();
    result.warnings << QCoreApplication::translate(
                           "Storage", "The unusable settings file was moved to \"%1\".")
                           .arg(backup);
    return result;
}
}  // namespace

QString Storage::writeRefusal(const QString& target) const {
    if (target == u"-") {
        return QString();
    }
    // By identity for what exists, whatever names it; by name for a store not made yet, which
    // a written export would otherwise become.
    const QString resolvedTarget = ResolvedPath(target);
    const auto names = [&](const QString& file) {
        return IsSameFile(target, file) || resolvedTarget == ResolvedPath(file);
    };
    const bool refused = names(file_) || names(StoreLockFile(file_)) || names(backupOf(file_)) ||
                         names(RecoveryFileOf(file_));
    return refused ? QCoreApplication::translate(
                         "Storage", "Could not write \"%1\": it is the settings file itself.")
                         .arg(target)
                   : QString();
}

QString Storage::exportList(const StockList& list, const QString& file) const {
    const QString refusal = writeRefusal(file);
    return refusal.isEmpty() ? WriteListFile(list, file) : refusal;
}

StoreResult Storage::load(Model& model, WindowGeometry* geometry) const {
    const IniSettingsStore store(file_);
    StoreResult result;
    if (ReadState(store, file_, result) != StoreState::Usable) {
        return result;
    }
    result.warnings << LoadAllSettings(store, model, geometry, file_, defaultHtmlDir_);
    for (const QString& key : store.undecodedKeys()) {
        //: %1 is a key of the settings file %2.
        result.warnings << QCoreApplication::translate(
                               "Storage",
                               "The text of %1 in %2 was not valid UTF-8, so some of its "
                               "characters were lost.")
                               .arg(key, file_);
    }
    return result;
}

StoreResult Storage::save(Model& model, const WindowGeometry& geometry) const {
    IniSettingsStore store(file_);
    StoreResult result;
    switch (ReadState(store, file_, result)) {
        case StoreState::Unreadable:
            // Saving keeps every key it does not write, so an unreadable file must not be replaced.
            return result;
        case StoreState::Unusable:
            result = SetAside(store, file_);
            if (!result.ok) {
                return result;
            }
            break;
        case StoreState::Usable:
            break;
    }
    const StoreSections earlier = store.takeAll();
    keepUnwritten(store, earlier, SaveAllSettings(store, model, geometry.current()));
    if (!geometry.knowsPosition()) {
        keepStoredPosition(store, earlier);
    }
    StoreResult written = store.commit();
    written.warnings = result.warnings + written.warnings;
    if (written.ok) {
        model.SettingsChanged = false;
    }
    return written;
}

void ClearSettings(Model& model, const Storage& storage) {
    ApplyDefaults(model, storage.defaultHtmlDir());
    model.SettingsChanged = true;
}

StoreResult LoadAtStartup(Model& model, const Storage& storage, WindowGeometry* geometry) {
    ApplyDefaults(model, storage.defaultHtmlDir());
    StoreResult result = storage.load(model, geometry);
    if (model.list.Maxtypes < 0 && model.list.Maxstocks < 0) {
        DefaultStockList(model);
    }
    return result;
}

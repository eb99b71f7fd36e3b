#include "ui/window/FileCommands.h"

#include "script/StorageScript.h"
#include "ui/undo/UndoHistory.h"
#include "ui/undo/UndoSteps.h"
#include "ui/window/StockTree.h"
#include "ui/window/StoreMessages.h"

namespace {
// Translated where a file dialog shows them.
const char* const ScriptFilters =
    QT_TRANSLATE_NOOP("FileCommands", "Registration files (*.reg);;All files (*)");
}  // namespace

FileCommands::FileCommands(Model& model, const Storage& storage, Platform& platform,
                           StockTree& tree, WindowGeometry& geometry, UndoHistory& history)
    : model_(model),
      storage_(storage),
      platform_(platform),
      tree_(tree),
      geometry_(geometry),
      history_(history) {}

void FileCommands::LoadSettings() {
    const StoreResult loaded = LoadAtStartup(model_, storage_, &geometry_);
    known_ = loaded.storeIdentity;
    ReportStoreResult(platform_, loaded);
    history_.markSaved();
}

QString FileCommands::proposedScriptFile() const {
    return model_.general.HtmlDir + QStringLiteral("tickvane.reg");
}

bool FileCommands::mayReplaceStoreFile() {
    if (IdentityOf(storage_.storeFile()) == known_) {
        return true;
    }
    // Replacing what another program wrote is the dangerous answer, so it is not the default.
    return platform_.message(tr("The settings file %1 was changed outside Tickvane "
                                "since it was loaded. Replace it with the settings "
                                "shown here?")
                                 .arg(storage_.storeFile()),
                             Platform::Buttons::YesNo,
                             Platform::Answer::No) == Platform::Answer::Yes;
}

bool FileCommands::SaveSettings() {
    if (!mayReplaceStoreFile()) {
        return false;
    }
    const StoreResult result = storage_.save(model_, geometry_);
    ReportStoreResult(platform_, result);
    if (result.ok) {
        known_ = result.storeIdentity;
        history_.forget();
        history_.markSaved();
    }
    return result.ok;
}

void FileCommands::ClearSettings() {
    const auto answer =
        platform_.message(tr("Are your sure you want to revert to default settings and delete your "
                             "list of stocks?  This action cannot be undone."),
                          Platform::Buttons::OkCancel, Platform::Answer::Cancel);
    if (answer != Platform::Answer::Ok) {
        return;
    }
    ::ClearSettings(model_, storage_);
    history_.forget();
    tree_.removeAllNodes();
}

void FileCommands::ExportSettings() {
    const QString file = platform_.chooseSaveFile(proposedScriptFile(), tr(ScriptFilters));
    if (!file.isEmpty()) {
        ReportStoreResult(platform_, ExportScript(storage_, model_, geometry_, file),
                          tr("Export complete."));
    }
    tree_.WebTree_GiveFocus();
}

void FileCommands::ImportSettings() {
    const auto answer = platform_.message(
        tr("Warning: settings and stock list will entered into the Windows "
           "registry.  Any existing settings will be overwritten even if you do "
           "not later save settings.  Do you want to do this?"),
        // Replacing every setting is the dangerous answer, so it is not the default.
        Platform::Buttons::YesNoCancel, Platform::Answer::No);
    if (answer != Platform::Answer::Yes) {
        return;
    }
    const QString file = platform_.chooseOpenFile(proposedScriptFile(), tr(ScriptFilters));
    if (file.isEmpty()) {
        return;
    }
    // A refused script leaves the store, the model and the tree as they were.
    const StoreResult imported = ImportScript(storage_, file);
    ReportStoreResult(platform_, imported);
    if (!imported.ok) {
        tree_.WebTree_GiveFocus();
        return;
    }
    takeImported();
    tree_.WebTree_GiveFocus();
}

void FileCommands::takeImported() {
    auto imported = std::make_unique<Model>();
    ApplyDefaults(*imported, storage_.defaultHtmlDir());
    // The import has told what loading repairs; only a failure is new.
    const StoreResult loaded = storage_.load(*imported, &geometry_);
    known_ = loaded.storeIdentity;
    if (!loaded.ok) {
        ReportStoreResult(platform_, loaded);
    }
    // The settings are taken as they are; the list comes in as a step that can be undone.
    StockList list = std::move(imported->list);
    imported->list = std::move(model_.list);
    model_ = std::move(*imported);
    history_.push(ImportStep(model_, tree_, std::move(list)));
    history_.markSaved();
}

bool FileCommands::ConfirmExit() {
    while (model_.SettingsChanged) {
        const auto answer =
            platform_.message(tr("Settings have been changed, save before exiting?"),
                              Platform::Buttons::YesNoCancel, Platform::Answer::Cancel);
        if (answer == Platform::Answer::Cancel) {
            return false;
        }
        if (answer == Platform::Answer::No || SaveSettings()) {
            return true;
        }
    }
    return true;
}

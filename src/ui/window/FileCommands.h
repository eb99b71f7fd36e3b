#pragma once

#include <QCoreApplication>

#include "files/StoreIdentity.h"
#include "model/Model.h"
#include "settings/Storage.h"
#include "settings/WindowGeometry.h"
#include "ui/platform/Platform.h"

class StockTree;
class UndoHistory;

// The File menu: saving and clearing the settings, export and import of registry scripts,
// and the save question on exit. Every failure is shown with the file and the reason, and
// leaves the model as it was. A save asks before it replaces a settings file that another
// program changed since these commands last loaded, saved or imported it. The list an import brings
// in is a step of `history`; saving and clearing drop the steps so far.
class FileCommands {
    Q_DECLARE_TR_FUNCTIONS(FileCommands)

  public:
    FileCommands(Model& model, const Storage& storage, Platform& platform, StockTree& tree,
                 WindowGeometry& geometry, UndoHistory& history);

    // The stored settings over the defaults, as the window starts.
    void LoadSettings();
    // Returns whether the settings were written.
    bool SaveSettings();
    void ClearSettings();
    void ExportSettings();
    void ImportSettings();
    // Asks to save unsaved changes. Returns false when the user cancels, which keeps the
    // program running; a failed save asks again rather than dropping the changes.
    bool ConfirmExit();
    // The settings file as these commands last loaded, saved or imported it.
    const StoreIdentity& knownStore() const { return known_; }

  private:
    QString proposedScriptFile() const;
    bool mayReplaceStoreFile();
    void takeImported();

    Model& model_;
    const Storage& storage_;
    Platform& platform_;
    StockTree& tree_;
    WindowGeometry& geometry_;
    UndoHistory& history_;
    StoreIdentity known_;
};

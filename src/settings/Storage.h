#pragma once

#include "model/Model.h"
#include "settings/StoreResult.h"
#include "settings/WindowGeometry.h"

#include <QString>

// The program's persistent settings: one per-user INI file (sections General, StockList,
// Custom, BigCharts, StockMaster, StockPoint, Yahoo; every value a string). Each call opens the
// file once and writes it once. The registry script's export and import are in
// script/StorageScript.h.
class Storage {
  public:
    // `defaultHtmlDir` is where pages go until the user chooses (DefaultHtmlDirFor).
    explicit Storage(QString storeFile = defaultStoreFile(), QString defaultHtmlDir = {});

    // $XDG_CONFIG_HOME/Tickvane/Tickvane.ini
    static QString defaultStoreFile();
    // The path as given. A link is the store's name: the file it names is read and written,
    // and may not exist yet.
    const QString& storeFile() const { return storeFile_; }
    // The file read and written: the one a link names. Its companions (lock, backup, recovery
    // file) stand beside it, so that every name of the store finds them.
    const QString& file() const { return file_; }
    const QString& defaultHtmlDir() const { return defaultHtmlDir_; }

    // Reads every section over the model's current values; clears SettingsChanged. Places
    // the window when the stored geometry is to be used (geometry may be null). Fails, leaving
    // the model alone, when the file is not readable or nothing in it is a setting.
    StoreResult load(Model& model, WindowGeometry* geometry) const;
    // Writes every section; clears SettingsChanged on success. An unusable file is first moved
    // aside to FILE.bak; an unreadable one is not replaced.
    StoreResult save(Model& model, const WindowGeometry& geometry) const;
    // Writes the list as CSV into `file`, as WriteListFile does, unless writeRefusal refuses
    // it. Returns why it did not, naming the file, or empty.
    QString exportList(const StockList& list, const QString& file) const;
    // Why an export may not write `target`, or empty: the store file, its lock, its backup and
    // its recovery file are refused whatever names them; a file not made yet is none of them.
    QString writeRefusal(const QString& target) const;

  private:
    QString storeFile_;
    QString file_;  // the file read and written
    QString defaultHtmlDir_;
};

// The clear-settings command once the user has agreed: the defaults and an empty list, marked
// as changed. The store keeps the old settings until the next save.
void ClearSettings(Model& model, const Storage& storage);

// Start-up: defaults, the stored settings, and the starter list when nothing was stored.
StoreResult LoadAtStartup(Model& model, const Storage& storage, WindowGeometry* geometry);

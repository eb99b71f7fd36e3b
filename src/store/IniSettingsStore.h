#pragma once

#include "store/SettingsStore.h"
#include "store/StoreResult.h"

#include <QDateTime>
#include <QSettings>

// The settings store as an INI file. The file is read once when the object is made; changes
// stay in memory until commit() writes the whole file once, atomically.
class IniSettingsStore : public SettingsStore {
  public:
    explicit IniSettingsStore(const QString& file);

    // Whether the file could be read (a missing file is an empty store).
    StoreResult readStatus() const;

    std::optional<QString> GetValue(const QString& section, const QString& key) const override;
    void SaveValue(const QString& section, const QString& key, const QString& value) override;
    bool DeleteSection(const QString& section) override;
    // Forgets every section, as if the file were empty.
    void clear() { settings_.clear(); }

    // Writes the file; the error names the file and the reason.
    StoreResult commit();

  private:
    bool written(const QDateTime& before) const;

    QString file_;
    QSettings settings_;
};

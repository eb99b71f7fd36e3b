#pragma once

#include <QString>
#include <optional>

// The per-user settings of this program: sections of keys, every value a string.
class SettingsStore {
  public:
    virtual ~SettingsStore() = default;

    // The stored value, or nothing when the section or the key does not exist.
    virtual std::optional<QString> GetValue(const QString& section, const QString& key) const = 0;
    // Creates the section and the key as needed.
    virtual void SaveValue(const QString& section, const QString& key, const QString& value) = 0;
    // Removes the section with all its keys; false when there was no such section.
    virtual bool DeleteSection(const QString& section) = 0;
};

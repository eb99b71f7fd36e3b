#pragma once

#include "settings/SettingsStore.h"
#include "settings/StoreResult.h"
#include "settings/StoreSections.h"

#include <QHash>
#include <QStringList>

// The settings store as an INI file (IniText). The file is read when the object is made; changes
// stay in memory until commit() writes the whole file once, atomically, sections and keys in
// the order they were first given.
class IniSettingsStore : public SettingsStore {
  public:
    explicit IniSettingsStore(const QString& file);
    // A store that will replace `file` by `sections`, without reading it. A section or a key
    // may come more than once: a key keeps the place of its first value and its last value.
    IniSettingsStore(const QString& file, StoreSections sections);

    // Whether the file could be read (a missing file is an empty store), and what was read.
    StoreResult readStatus() const;
    // Whether the file was left unread for being far larger than any store of this program.
    bool tooLarge() const { return tooLarge_; }
    // Whether the file held anything at all, settings or not.
    bool readAnything() const { return !sections_.empty() || formatError_; }
    // The keys whose stored text was not valid UTF-8, as "section/key".
    const QStringList& undecodedKeys() const { return undecoded_; }

    std::optional<QString> GetValue(const QString& section, const QString& key) const override;
    void SaveValue(const QString& section, const QString& key, const QString& value) override;
    bool DeleteSection(const QString& section) override;
    // Forgets every section and returns them, as if the file were empty.
    StoreSections takeAll();
    const StoreSections& sections() const { return sections_; }

    // Writes the file; the error names the file and the reason, success what was written.
    StoreResult commit();

  private:
    void index(StoreSections sections);
    void indexKeys(size_t section);
    // The index of `section` in sections_, or -1.
    qsizetype sectionAt(const QString& section) const;

    QString file_;
    QString readError_;  // the reason the file could not be read
    StoreIdentity identity_;
    bool tooLarge_ = false;
    bool formatError_ = false;
    QStringList undecoded_;
    StoreSections sections_;
    QHash<QString, qsizetype> sectionIndex_;
    std::vector<QHash<QString, qsizetype>> keyIndex_;  // each key's place in its section
};

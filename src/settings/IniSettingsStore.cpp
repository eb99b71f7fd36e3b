#include "settings/IniSettingsStore.h"

#include "files/BoundedRead.h"
#include "files/WholeFile.h"
#include "settings/IniText.h"

#include <QCoreApplication>
#include <QDir>
#include <QFile>
#include <QFileInfo>

namespace {
//: %1 is the settings file, %2 why it could not be read.
constexpr const char* CouldNotRead =
    QT_TRANSLATE_NOOP("IniSettingsStore", "Could not read the settings file \"%1\": %2.");
//: %1 is the settings file, %2 why it could not be written.
constexpr const char* CouldNotWrite =
    QT_TRANSLATE_NOOP("IniSettingsStore", "Could not write the settings file \"%1\": %2.");

QString failure(const char* text, const QString& file, const QString& reason) {
    return QCoreApplication::translate("IniSettingsStore", text).arg(file, reason);
}

}  // namespace

IniSettingsStore::IniSettingsStore(const QString& file) : file_(file) {
    // Opening a FIFO would wait for a writer.
    readError_ = ReplaceRefusal(file);
    if (!readError_.isEmpty()) {
        identity_ = IdentityOf(file);
        return;
    }
    // Read afresh every time: a file rewritten within the same moment at the same size must
    // not be taken for the one read before.
    QFile stored(file);
    if (!stored.open(QIODevice::ReadOnly)) {
        readError_ = stored.exists() ? stored.errorString() : QString();
        identity_ = IdentityOf(file);
        return;
    }
    QByteArray bytes;
    tooLarge_ = !ReadBounded(stored, bytes);
    identity_ = IdentityOfRead(stored.handle(), bytes);
    if (stored.error() != QFileDevice::NoError) {
        readError_ = stored.errorString();
        return;
    }
    IniContent ini = ReadIniText(bytes);
    formatError_ = ini.malformedLines;
    undecoded_ = std::move(ini.undecodedKeys);
    index(std::move(ini.sections));
}

IniSettingsStore::IniSettingsStore(const QString& file, StoreSections sections) : file_(file) {
    index(std::move(sections));
}

void IniSettingsStore::index(StoreSections sections) {
    for (StoreSection& section : sections) {
        const qsizetype known = sectionIndex_.size();
        qsizetype& at = sectionIndex_[section.name];
        if (sectionIndex_.size() > known) {
            at = qsizetype(sections_.size());
            sections_.push_back(std::move(section));
        } else {
            auto& values = sections_[at].values;
            values.insert(values.end(), std::make_move_iterator(section.values.begin()),
                          std::make_move_iterator(section.values.end()));
        }
    }
    keyIndex_.resize(sections_.size());
    for (size_t s = 0; s < sections_.size(); ++s) {
        indexKeys(s);
    }
}

void IniSettingsStore::indexKeys(size_t s) {
    auto& values = sections_[s].values;
    QHash<QString, qsizetype>& keys = keyIndex_[s];
    size_t kept = 0;
    for (size_t k = 0; k < values.size(); ++k) {
        const qsizetype known = keys.size();
        qsizetype& at = keys[values[k].first];
        if (keys.size() == known) {
            values[size_t(at)].second = std::move(values[k].second);
            continue;
        }
        at = qsizetype(kept);
        if (kept != k) {
            values[kept] = std::move(values[k]);
        }
        ++kept;
    }
    values.erase(values.begin() + qsizetype(kept), values.end());
}

StoreResult IniSettingsStore::readStatus() const {
    StoreResult result;
    result.storeIdentity = identity_;
    if (!readError_.isEmpty()) {
        result.ok = false;
        result.error = failure(CouldNotRead, file_, readError_);
    } else if (formatError_) {
        result.warnings << QCoreApplication::translate(
                               "IniSettingsStore",
                               "Some lines of the settings file %1 could not be "
                               "read; the settings that could be read were used.")
                               .arg(file_);
    }
    return result;
}

qsizetype IniSettingsStore::sectionAt(const QString& section) const {
    return sectionIndex_.value(section, -1);
}

std::optional<QString> IniSettingsStore::GetValue(const QString& section,
                                                  const QString& key) const {
    const qsizetype found = sectionAt(section);
    if (found < 0) {
        return std::nullopt;
    }
    const qsizetype at = keyIndex_[found].value(key, -1);
    if (at < 0) {
        return std::nullopt;
    }
    return sections_[found].values[size_t(at)].second;
}

void IniSettingsStore::SaveValue(const QString& section, const QString& key, const QString& value) {
    qsizetype found = sectionAt(section);
    if (found < 0) {
        found = qsizetype(sections_.size());
        sectionIndex_.insert(section, found);
        sections_.push_back({section, {}});
        keyIndex_.emplace_back();
    }
    auto& values = sections_[found].values;
    QHash<QString, qsizetype>& keys = keyIndex_[found];
    const qsizetype known = keys.size();
    qsizetype& at = keys[key];
    if (keys.size() == known) {
        values[size_t(at)].second = value;
        return;
    }
    at = qsizetype(values.size());
    values.emplace_back(key, value);
}

bool IniSettingsStore::DeleteSection(const QString& section) {
    const qsizetype found = sectionAt(section);
    if (found < 0 || sections_[found].values.empty()) {
        return false;
    }
    sections_[found].values.clear();
    keyIndex_[found].clear();
    return true;
}

StoreSections IniSettingsStore::takeAll() {
    sectionIndex_.clear();
    keyIndex_.clear();
    return std::exchange(sections_, {});
}

StoreResult IniSettingsStore::commit() {
    StoreResult result;
    const QString folder = QFileInfo(file_).absolutePath();
    if (!QDir().mkpath(folder)) {
        result.ok = false;
        result.error = failure(
            CouldNotWrite, file_,
            QCoreApplication::translate("IniSettingsStore", "the folder %1 could not be created")
                .arg(folder));
        return result;
    }
    const QByteArray text = IniText(sections_);
    const QString reason = WriteWholeFile(file_, text, SpecialFiles::Refuse);
    if (!reason.isEmpty()) {
        result.ok = false;
        result.error = failure(CouldNotWrite, file_, reason);
        return result;
    }
    identity_ = IdentityOfWritten(file_, text);
    result.storeIdentity = identity_;
    return result;
}

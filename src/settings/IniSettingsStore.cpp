#include "settings/IniSettingsStore.h"

#include "files/BoundedRead.h"
#include "files/WholeFile.h"
#include "settings/IniText.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>

namespace {
QString failure(const QString& what, const QString& file, const QString& reason) {
    return QStringLiteral("Could not %1 the settings file \"%2\": %3.").arg(what, file, reason);
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

// Each key table is made at its full size at once: growing it key by key would place every
// key again at each step.
void IniSettingsStore::indexKeys(size_t s) {
    auto& values = sections_[s].values;
    KeyIndex& keys = keyIndex_[s];
    keys.reserve(values.size());
    size_t kept = 0;
    for (size_t k = 0; k < values.size(); ++k) {
        const qsizetype earlier = keys.insert(values, values[k].first, qsizetype(kept));
        if (earlier >= 0) {
            values[size_t(earlier)].second = std::move(values[k].second);
            continue;
        }
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
        result.error = failure(QStringLiteral("read"), file_, readError_);
    } else if (formatError_) {
        result.warnings << QStringLiteral(
                               "Some lines of the settings file %1 could not be "
                               "read; the settings that could be read were used.")
                               .arg(file_);
    }
    return result;
}

qsizetype IniSettingsStore::sectionAt(const QString& section) const {
    // Loads pass the same name object thousands of times in a row: the same characters are
    // known to be the same name without comparing them.
    const bool sameName = section.constData() == lastSectionAsked_.constData() &&
                          section.size() == lastSectionAsked_.size();
    if (lastSection_ >= 0 && (sameName || sections_[lastSection_].name == section)) {
        return lastSection_;
    }
    lastSection_ = sectionIndex_.value(section, -1);
    lastSectionAsked_ = section;
    return lastSection_;
}

std::optional<QString> IniSettingsStore::GetValue(const QString& section,
                                                  const QString& key) const {
    const qsizetype found = sectionAt(section);
    if (found < 0) {
        return std::nullopt;
    }
    const auto& values = sections_[found].values;
    if (nextKey_ < qsizetype(values.size()) && values[nextKey_].first == key) {
        return values[nextKey_++].second;
    }
    const qsizetype at = keyIndex_[found].find(values, key);
    if (at < 0) {
        return std::nullopt;
    }
    nextKey_ = at + 1;
    return values[size_t(at)].second;
}

void IniSettingsStore::SaveValue(const QString& section, const QString& key, const QString& value) {
    qsizetype found = sectionAt(section);
    if (found < 0) {
        found = lastSection_ = qsizetype(sections_.size());
        sectionIndex_.insert(section, found);
        sections_.push_back({section, {}});
        keyIndex_.emplace_back();
    }
    auto& values = sections_[found].values;
    // One look-up, which indexes the key when it is new to the section.
    const qsizetype earlier = keyIndex_[found].insert(values, key, qsizetype(values.size()));
    if (earlier >= 0) {
        values[size_t(earlier)].second = value;
        return;
    }
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
    lastSection_ = -1;
    sectionIndex_.clear();
    keyIndex_.clear();
    return std::exchange(sections_, {});
}

StoreResult IniSettingsStore::commit() {
    StoreResult result;
    const QString folder = QFileInfo(file_).absolutePath();
    if (!QDir().mkpath(folder)) {
        result.ok = false;
        result.error = failure(QStringLiteral("write"), file_,
                               QStringLiteral("the folder %1 could not be created").arg(folder));
        return result;
    }
    const QByteArray text = IniText(sections_);
    const QString reason = WriteWholeFile(file_, text, SpecialFiles::Refuse);
    if (!reason.isEmpty()) {
        result.ok = false;
        result.error = failure(QStringLiteral("write"), file_, reason);
        return result;
    }
    identity_ = IdentityOfWritten(file_, text);
    result.storeIdentity = identity_;
    return result;
}

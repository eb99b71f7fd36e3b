#include "store/IniSettingsStore.h"

#include "model/WholeFile.h"
#include "store/BoundedFile.h"
#include "store/IniText.h"

#include <QDir>
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
        return;
    }
    // Read afresh every time: a file rewritten within the same moment at the same size must
    // not be taken for the one read before.
    const BoundedFile content = ReadBoundedFile(file);
    if (content.missing) {
        return;
    }
    readError_ = content.error;
    tooLarge_ = content.tooLarge;
    const IniReading reading = ReadIniText(content.bytes, *this);
    formatError_ = reading.malformedLines;
    undecoded_ = reading.undecodedKeys;
}

StoreResult IniSettingsStore::readStatus() const {
    StoreResult result;
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

std::optional<QString> IniSettingsStore::GetValue(const QString& section,
                                                  const QString& key) const {
    const auto found = sectionIndex_.constFind(section);
    if (found == sectionIndex_.constEnd()) {
        return std::nullopt;
    }
    const auto& keys = keyIndex_[*found];
    const auto value = keys.constFind(key);
    if (value == keys.constEnd()) {
        return std::nullopt;
    }
    return sections_[*found].values[*value].second;
}

void IniSettingsStore::SaveValue(const QString& section, const QString& key, const QString& value) {
    auto found = sectionIndex_.constFind(section);
    if (found == sectionIndex_.constEnd()) {
        found = sectionIndex_.insert(section, qsizetype(sections_.size()));
        sections_.push_back({section, {}});
        keyIndex_.emplace_back();
    }
    auto& values = sections_[*found].values;
    auto& keys = keyIndex_[*found];
    // One look-up, which inserts the key when it is new to the section.
    const qsizetype known = keys.size();
    qsizetype& index = keys[key];
    if (keys.size() == known) {
        values[index].second = value;
        return;
    }
    index = qsizetype(values.size());
    values.emplace_back(key, value);
}

bool IniSettingsStore::DeleteSection(const QString& section) {
    const auto found = sectionIndex_.constFind(section);
    if (found == sectionIndex_.constEnd() || sections_[*found].values.empty()) {
        return false;
    }
    sections_[*found].values.clear();
    keyIndex_[*found].clear();
    return true;
}

StoreSections IniSettingsStore::takeAll() {
    sectionIndex_.clear();
    keyIndex_.clear();
    return std::exchange(sections_, {});
}

IniSettingsStore::IniSettingsStore(const QString& file, StoreSections sections)
    : file_(file), sections_(std::move(sections)) {
    // Indexed in place: copying the values would cost as much as the rest of an import.
    keyIndex_.resize(sections_.size());
    for (size_t s = 0; s < sections_.size(); ++s) {
        sectionIndex_.insert(sections_[s].name, qsizetype(s));
        const auto& values = sections_[s].values;
        keyIndex_[s].reserve(qsizetype(values.size()));
        for (size_t k = 0; k < values.size(); ++k) {
            keyIndex_[s].insert(values[k].first, qsizetype(k));
        }
    }
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
    const QString reason = WriteWholeFile(file_, IniText(sections_), SpecialFiles::Refuse);
    if (!reason.isEmpty()) {
        result.ok = false;
        result.error = failure(QStringLiteral("write"), file_, reason);
    }
    return result;
}

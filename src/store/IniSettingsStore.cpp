#include "store/IniSettingsStore.h"

#include "model/WholeFile.h"
#include "store/IniText.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QSettings>

namespace {
// QSettings keeps the INI section [General] for keys outside any group.
const QString generalSection = QStringLiteral("General");

QString failure(const QString& what, const QString& file, const QString& reason) {
    return QStringLiteral("Could not %1 the settings file \"%2\": %3.").arg(what, file, reason);
}

// The "section/key" of each line that is not valid UTF-8: QSettings reads such bytes as the
// replacement character, or drops them at the end of a value.
QStringList linesNotUtf8(const QString& file) {
    QFile raw(file);
    const QByteArray bytes = raw.open(QIODevice::ReadOnly) ? raw.readAll() : QByteArray();
    QStringList keys;
    if (QByteArrayView(bytes).isValidUtf8()) {
        return keys;
    }
    QByteArray section = "General";
    for (const QByteArray& line : bytes.split('\n')) {
        const QByteArray trimmed = line.trimmed();
        if (trimmed.startsWith('[') && trimmed.endsWith(']')) {
            section = trimmed.sliced(1, trimmed.size() - 2);
        } else if (!QByteArrayView(line).isValidUtf8()) {
            keys << QString::fromLatin1(section + '/' + line.left(line.indexOf('=')).trimmed());
        }
    }
    return keys;
}

// An unquoted comma in a hand-edited file makes QSettings split the value into a list.
QString storedText(const QVariant& value) {
    return value.typeId() == QMetaType::QStringList ? value.toStringList().join(u',')
                                                    : value.toString();
}
}  // namespace

IniSettingsStore::IniSettingsStore(const QString& file) : file_(file) {
    // Opening a FIFO would wait for a writer; readStatus() tells why it is not read.
    if (!ReplaceRefusal(file).isEmpty()) {
        return;
    }
    // QSettings only reads here: it would write the file itself, in place of a FIFO and
    // without the system's reason when it fails.
    const QSettings settings(file, QSettings::IniFormat);
    formatError_ = settings.status() == QSettings::FormatError;
    for (const QString& path : settings.allKeys()) {
        const qsizetype slash = path.indexOf(u'/');
        const QString section = slash < 0 ? generalSection : path.first(slash);
        SaveValue(section, path.sliced(slash + 1), storedText(settings.value(path)));
    }
    undecoded_ = linesNotUtf8(file);
}

StoreResult IniSettingsStore::readStatus() const {
    StoreResult result;
    const QString refusal = ReplaceRefusal(file_);
    const QFileInfo info(file_);
    if (!refusal.isEmpty()) {
        result.ok = false;
        result.error = failure(QStringLiteral("read"), file_, refusal);
    } else if (info.exists() && !info.isReadable()) {
        result.ok = false;
        result.error = failure(QStringLiteral("read"), file_, QStringLiteral("permission denied"));
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
    const auto existing = keys.constFind(key);
    if (existing != keys.constEnd()) {
        values[*existing].second = value;
        return;
    }
    keys.insert(key, qsizetype(values.size()));
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

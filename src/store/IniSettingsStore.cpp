#include "store/IniSettingsStore.h"

#include <QDir>
#include <QFileInfo>

namespace {
// QSettings keeps the INI section [General] for keys outside any group, so the General section
// lives at the top level; a group of that name would be written as [%General].
const QString generalSection = QStringLiteral("General");

QString settingsKey(const QString& section, const QString& key) {
    return section == generalSection ? key : section + u'/' + key;
}

QString failure(const QString& what, const QString& file, const QString& reason) {
    return QStringLiteral("Could not %1 the settings file \"%2\": %3.").arg(what, file, reason);
}

QString writeFailureReason(const QString& file) {
    const QFileInfo info(file);
    if (info.exists() && !info.isWritable()) {
        return QStringLiteral("the file is read-only");
    }
    if (!QFileInfo(info.absolutePath()).isWritable()) {
        return QStringLiteral("the folder %1 is not writable").arg(info.absolutePath());
    }
    return QStringLiteral("the file could not be written (is the disk full?)");
}
}  // namespace

IniSettingsStore::IniSettingsStore(const QString& file)
    : file_(file), settings_(file, QSettings::IniFormat) {}

StoreResult IniSettingsStore::readStatus() const {
    StoreResult result;
    const QFileInfo info(file_);
    if (info.exists() && !info.isReadable()) {
        result.ok = false;
        result.error = failure(QStringLiteral("read"), file_, QStringLiteral("permission denied"));
    } else if (settings_.status() == QSettings::FormatError) {
        result.warnings << QStringLiteral(
                               "Some lines of the settings file %1 could not be "
                               "read; the settings that could be read were used.")
                               .arg(file_);
    }
    return result;
}

std::optional<QString> IniSettingsStore::GetValue(const QString& section,
                                                  const QString& key) const {
    const QVariant value = settings_.value(settingsKey(section, key));
    if (!value.isValid()) {
        return std::nullopt;
    }
    // An unquoted comma in a hand-edited file makes QSettings split the value into a list.
    if (value.typeId() == QMetaType::QStringList) {
        return value.toStringList().join(u',');
    }
    return value.toString();
}

void IniSettingsStore::SaveValue(const QString& section, const QString& key, const QString& value) {
    settings_.setValue(settingsKey(section, key), value);
}

bool IniSettingsStore::DeleteSection(const QString& section) {
    if (section == generalSection) {
        const QStringList keys = settings_.childKeys();
        for (const QString& key : keys) {
            settings_.remove(key);
        }
        return !keys.isEmpty();
    }
    if (!settings_.childGroups().contains(section)) {
        return false;
    }
    settings_.remove(section);
    return true;
}

bool IniSettingsStore::written(const QDateTime& before) const {
    switch (settings_.status()) {
        case QSettings::NoError:
            return true;
        case QSettings::AccessError:
            return false;
        case QSettings::FormatError:
            // QSettings complains about lines it skipped yet writes the file, and once it has
            // complained it reports no later error, so the file itself must tell.
            return QFileInfo(file_).lastModified() != before;
    }
    return false;
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
    const QDateTime before = QFileInfo(file_).lastModified();
    settings_.sync();
    if (!written(before)) {
        result.ok = false;
        result.error = failure(QStringLiteral("write"), file_, writeFailureReason(file_));
    }
    return result;
}

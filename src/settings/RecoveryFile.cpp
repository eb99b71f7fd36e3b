#include "settings/RecoveryFile.h"

#include "files/WholeFile.h"
#include "settings/AllSettings.h"
#include "settings/IniSettingsStore.h"
#include "settings/IniText.h"
#include "settings/StoreLayout.h"

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>
#include <QCryptographicHash>
#include <QFile>

namespace {
const QString RecoverySection = QStringLiteral("Recovery");
const QString BasedOnKey = QStringLiteral("BasedOn");

// Size, time and a hash of the content: the content itself has no place in the file.
QString fingerprint(const StoreIdentity& identity) {
    const QByteArray hash = QCryptographicHash::hash(identity.content, QCryptographicHash::Sha256);
    return QStringLiteral("%1 %2 %3")
        .arg(identity.size)
        .arg(identity.modifiedNs)
        .arg(QString::fromLatin1(hash.toHex()));
}

// The writer keeps the permissions of the file it replaces, so a new recovery file starts as
// an empty one with the settings file's.
void createLike(const QString& storeFile, const QString& recoveryFile) {
    struct stat store {};
    if (::stat(QFile::encodeName(storeFile).constData(), &store) != 0) {
        return;
    }
    const int fd = ::open(QFile::encodeName(recoveryFile).constData(),
                          O_WRONLY | O_CREAT | O_EXCL | O_CLOEXEC, store.st_mode & 07777);
    if (fd >= 0) {
        ::fchmod(fd, store.st_mode & 07777);  // past the umask
        ::close(fd);
    }
}
}  // namespace

QString RecoveryFileOf(const QString& storeFile) {
    return storeFile + QStringLiteral(".recovery");
}

QByteArray RecoveryText(Model model, const TwipsGeometry& geometry, const StoreIdentity& basedOn) {
    StoreSections sections = ModelSections(model, geometry);
    sections.push_back({RecoverySection, {{BasedOnKey, fingerprint(basedOn)}}});
    return IniText(sections);
}

QString WriteRecovery(const QString& storeFile, const QByteArray& text) {
    const QString file = RecoveryFileOf(storeFile);
    createLike(storeFile, file);
    return WriteWholeFile(file, text, SpecialFiles::Refuse);
}

Recovery ReadRecovery(const QString& storeFile, Model& model, const QString& defaultHtmlDir) {
    const QString file = RecoveryFileOf(storeFile);
    Recovery recovery;
    recovery.found = QFile::exists(file);
    if (!recovery.found) {
        return recovery;
    }
    const IniSettingsStore store(file);
    recovery.loaded = store.readStatus();
    recovery.loaded.ok = recovery.loaded.ok && store.readAnything();
    if (recovery.loaded.ok) {
        recovery.loaded.warnings = LoadAllSettings(store, model, nullptr, file, defaultHtmlDir);
        recovery.storeChanged =
            store.GetValue(RecoverySection, BasedOnKey) != fingerprint(IdentityOf(storeFile));
    }
    return recovery;
}

#include "store/StoreLock.h"

#include <QDir>
#include <QFileInfo>

namespace {
QString resolvedPath(const QString& storeFile) {
    const QFileInfo store(storeFile);
    // The lock lies beside the store, so its folder is made now rather than at the first save.
    QDir().mkpath(store.absolutePath());
    const QString file = store.canonicalFilePath();
    if (!file.isEmpty()) {
        return file;
    }
    const QString folder = QFileInfo(store.absolutePath()).canonicalFilePath();
    return (folder.isEmpty() ? store.absolutePath() : folder) + u'/' + store.fileName();
}
}  // namespace

StoreLock::StoreLock(const QString& storeFile)
    : resolved_(resolvedPath(storeFile)), lock_(resolved_ + QStringLiteral(".lock")) {
    // A window holds the lock as long as it is open: only a holder that has ended leaves a
    // stale lock, however old it is.
    lock_.setStaleLockTime(0);
}

StoreLock::State StoreLock::tryHold() {
    if (lock_.tryLock(0)) {
        return State::Held;
    }
    return lock_.error() == QLockFile::LockFailedError ? State::HeldElsewhere : State::Unavailable;
}

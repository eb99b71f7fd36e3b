#include "settings/StoreLock.h"

#include "files/FilePaths.h"

#include <QDir>
#include <QFileInfo>

namespace {
QString resolvedPath(const QString& storeFile) {
    // The lock lies beside the store, so its folder is made now rather than at the first save.
    QDir().mkpath(QFileInfo(LinkTarget(storeFile)).absolutePath());
    return ResolvedPath(storeFile);
}
}  // namespace

QString StoreLockFile(const QString& storeFile) {
    return storeFile + QStringLiteral(".lock");
}

StoreLock::StoreLock(const QString& storeFile)
    : resolved_(resolvedPath(storeFile)), lock_(StoreLockFile(resolved_)) {
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

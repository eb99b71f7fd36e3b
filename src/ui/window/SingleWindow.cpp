#include "ui/window/SingleWindow.h"

#include <unistd.h>
#include <QCryptographicHash>
#include <QDir>
#include <QFile>
#include <QThread>

namespace {
// A socket's path has room for about a hundred bytes, so the store's path is hashed. The
// user's runtime folder keeps the socket from other users; the user id in the name does so
// where there is none and the shared temporary folder is used.
QByteArray socketPathOf(const QString& resolvedStore) {
    const QByteArray hash =
        QCryptographicHash::hash(resolvedStore.toUtf8(), QCryptographicHash::Sha256).toHex();
    return QFile::encodeName(QStringLiteral("%1/tickvane-%2-%3")
                                 .arg(qEnvironmentVariable("XDG_RUNTIME_DIR", QDir::tempPath()))
                                 .arg(getuid())
                                 .arg(QString::fromLatin1(hash.left(32))));
}
}  // namespace

SingleWindow::SingleWindow(const QString& storeFile, Platform& platform,
                           std::chrono::milliseconds patience)
    : storeFile_(storeFile),
      platform_(platform),
      patience_(patience),
      lock_(storeFile),
      firstTry_(std::async(std::launch::async, [this] { return lock_.tryHold(); })),
      socket_(socketPathOf(lock_.resolvedStore())) {}

std::optional<int> SingleWindow::claim() {
    const QDeadlineTimer deadline(patience_);
    for (StoreLock::State state = firstTry_.get();; state = lock_.tryHold()) {
        switch (state) {
            case StoreLock::State::Held:
                socket_.listen([this] {
                    if (window_) {
                        platform_.raiseWindow(*window_);
                    }
                });
                return std::nullopt;
            case StoreLock::State::Unavailable:
                // Nobody can tell whether the file is in use: the window opens as it always did.
                return std::nullopt;
            case StoreLock::State::HeldElsewhere:
                break;
        }
        if (socket_.askToRaise(deadline)) {
            return 0;
        }
        if (deadline.hasExpired()) {
            break;
        }
        // The holder may be a window that is just starting, or a batch command about to end.
        QThread::msleep(100);
    }
    //: %1 is the settings file.
    platform_.message(tr("Tickvane is already open with %1.").arg(storeFile_));
    return 1;
}

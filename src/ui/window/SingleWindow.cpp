#include "ui/window/SingleWindow.h"

#include <unistd.h>
#include <QCryptographicHash>
#include <QDeadlineTimer>
#include <QDir>
#include <QEventLoop>
#include <QLocalSocket>
#include <QThread>
#include <QTimer>

namespace {
const QByteArray Raised = QByteArrayLiteral("raised\n");

// A socket's path has room for about a hundred bytes, so the store's path is hashed. The
// user's runtime folder keeps the socket from other users; the user id in the name does so
// where there is none and the shared temporary folder is used.
QString serverNameOf(const QString& resolvedStore) {
    const QByteArray hash =
        QCryptographicHash::hash(resolvedStore.toUtf8(), QCryptographicHash::Sha256).toHex();
    return QStringLiteral("%1/tickvane-%2-%3")
        .arg(qEnvironmentVariable("XDG_RUNTIME_DIR", QDir::tempPath()))
        .arg(getuid())
        .arg(QString::fromLatin1(hash.left(32)));
}

// Whether the window listening on `name` said before `deadline` that it came to the front.
// The wait runs the event loop, so a window of this same process can answer.
bool askToRaise(const QString& name, const QDeadlineTimer& deadline) {
    QLocalSocket socket;
    QEventLoop loop;
    QObject::connect(&socket, &QLocalSocket::readyRead, &loop, [&] {
        if (socket.canReadLine()) {
            loop.quit();
        }
    });
    QObject::connect(&socket, &QLocalSocket::disconnected, &loop, &QEventLoop::quit);
    QObject::connect(&socket, &QLocalSocket::errorOccurred, &loop, &QEventLoop::quit);
    QTimer::singleShot(std::max<qint64>(deadline.remainingTime(), 0), &loop, &QEventLoop::quit);
    socket.connectToServer(name);
    if (socket.state() != QLocalSocket::UnconnectedState) {
        loop.exec();
    }
    return socket.canReadLine() && socket.readLine() == Raised;
}
}  // namespace

SingleWindow::SingleWindow(const QString& storeFile, Platform& platform,
                           std::chrono::milliseconds patience)
    : storeFile_(storeFile),
      platform_(platform),
      patience_(patience),
      lock_(storeFile),
      serverName_(serverNameOf(lock_.resolvedStore())) {
    QObject::connect(&server_, &QLocalServer::newConnection, [this] { answerLaterStarts(); });
}

std::optional<int> SingleWindow::claim() {
    const QDeadlineTimer deadline(patience_);
    for (;;) {
        switch (lock_.tryHold()) {
            case StoreLock::State::Held:
                listen();
                return std::nullopt;
            case StoreLock::State::Unavailable:
                // Nobody can tell whether the file is in use: the window opens as it always did.
                return std::nullopt;
            case StoreLock::State::HeldElsewhere:
                break;
        }
        if (askToRaise(serverName_, deadline)) {
            return 0;
        }
        if (deadline.hasExpired()) {
            break;
        }
        // The holder may be a window that is just starting, or a batch command about to end.
        QThread::msleep(100);
    }
    platform_.message(QStringLiteral("Tickvane is already open with %1.").arg(storeFile_));
    return 1;
}

void SingleWindow::listen() {
    // The lock is ours, so a socket left under this name is a crashed run's.
    QLocalServer::removeServer(serverName_);
    server_.setSocketOptions(QLocalServer::UserAccessOption);
    // A window that cannot listen still opens; later starts then say that it is open.
    server_.listen(serverName_);
}

void SingleWindow::answerLaterStarts() {
    while (QLocalSocket* later = server_.nextPendingConnection()) {
        if (window_) {
            platform_.raiseWindow(*window_);
        }
        QObject::connect(later, &QLocalSocket::disconnected, later, &QObject::deleteLater);
        later->write(Raised);
        later->disconnectFromServer();
    }
}

#pragma once

#include <QByteArray>
#include <QDeadlineTimer>
#include <QSocketNotifier>
#include <functional>
#include <memory>

// The local socket on which an open window hears later starts on its settings file: each
// connection asks it to come to the front and is answered once it did. A plain Unix socket
// with QtCore's notifier: loading QtNetwork and the libraries it needs would add about a
// fifth to the window's start-up time.
class WindowSocket {
  public:
    explicit WindowSocket(QByteArray path) : path_(std::move(path)) {}
    ~WindowSocket();
    WindowSocket(const WindowSocket&) = delete;
    WindowSocket& operator=(const WindowSocket&) = delete;

    // Listens, in place of a socket that a crashed run left at the path: the caller holds the
    // store's lock. A window that cannot listen still opens; later starts then say so.
    void listen(std::function<void()> raise);
    // Asks the window listening at the path to come to the front: whether it said it did
    // before `deadline`. The wait runs the event loop, so a window of this same process can
    // answer.
    bool askToRaise(const QDeadlineTimer& deadline) const;

  private:
    void answerLaterStarts();

    QByteArray path_;
    int listener_ = -1;
    std::unique_ptr<QSocketNotifier> notifier_;
    std::function<void()> raise_;
};

#include "app/SignalExit.h"

#include <sys/socket.h>
#include <unistd.h>
#include <QSocketNotifier>
#include <cerrno>
#include <csignal>

namespace {
constexpr int Ending[] = {SIGTERM, SIGINT, SIGHUP};

// The handler writes one byte into the pair and the event loop reads it: a handler may make
// only calls that are safe at any moment, which none of the window's are.
int pair[2] = {-1, -1};
volatile std::sig_atomic_t received = 0;

void handle(int signal) {
    if (received) {
        ::signal(signal, SIG_DFL);
        ::raise(signal);
        return;
    }
    received = 1;
    const int saved = errno;
    const char byte = 1;
    [[maybe_unused]] const ssize_t written = ::write(pair[0], &byte, 1);
    errno = saved;
}

void handleWith(void (*handler)(int)) {
    struct sigaction action {};
    action.sa_handler = handler;
    sigemptyset(&action.sa_mask);
    action.sa_flags = SA_RESTART;
    for (const int signal : Ending) {
        ::sigaction(signal, &action, nullptr);
    }
}
}  // namespace

SignalExit::SignalExit(QObject* parent) : QObject(parent) {
    if (::socketpair(AF_UNIX, SOCK_STREAM | SOCK_CLOEXEC, 0, pair) != 0) {
        return;  // the signals end the program as they always did
    }
    notifier_ = new QSocketNotifier(pair[1], QSocketNotifier::Read, this);
    connect(notifier_, &QSocketNotifier::activated, this, &SignalExit::take);
    handleWith(handle);
}

SignalExit::~SignalExit() {
    if (notifier_) {
        handleWith(SIG_DFL);
        ::close(pair[0]);
        ::close(pair[1]);
    }
}

void SignalExit::take() {
    char byte = 0;
    [[maybe_unused]] const ssize_t read = ::read(pair[1], &byte, 1);
    notifier_->setEnabled(false);
    Q_EMIT requested();
}

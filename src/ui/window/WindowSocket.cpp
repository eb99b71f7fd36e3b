#include "ui/window/WindowSocket.h"

#include <sys/socket.h>
#include <sys/stat.h>
#include <sys/un.h>
#include <unistd.h>
#include <QEventLoop>
#include <QTimer>
#include <cstring>
#include <utility>

namespace {
constexpr char Raised[] = "raised\n";
constexpr ssize_t RaisedSize = sizeof(Raised) - 1;

// A non-blocking Unix stream socket for `path`, closed with the object unless kept. There is
// no socket when the path is too long for an address.
class Endpoint {
  public:
    explicit Endpoint(const QByteArray& path) {
        if (path.size() < qsizetype(sizeof address_.sun_path)) {
            address_.sun_family = AF_UNIX;
            std::memcpy(address_.sun_path, path.constData(), size_t(path.size()));
            socket_ = ::socket(AF_UNIX, SOCK_STREAM | SOCK_NONBLOCK | SOCK_CLOEXEC, 0);
        }
    }
    ~Endpoint() {
        if (socket_ >= 0) {
            ::close(socket_);
        }
    }
    Endpoint(const Endpoint&) = delete;
    Endpoint& operator=(const Endpoint&) = delete;

    int socket() const { return socket_; }
    bool bind() const { return socket_ >= 0 && ::bind(socket_, at(), sizeof address_) == 0; }
    bool connect() const { return socket_ >= 0 && ::connect(socket_, at(), sizeof address_) == 0; }
    int keep() { return std::exchange(socket_, -1); }

  private:
    const sockaddr* at() const { return reinterpret_cast<const sockaddr*>(&address_); }

    int socket_ = -1;
    sockaddr_un address_{};
};

// Whether the window at the other end of `socket` says before `deadline` that it came forward.
bool answered(int socket, const QDeadlineTimer& deadline) {
    QSocketNotifier readable(socket, QSocketNotifier::Read);
    QEventLoop loop;
    QObject::connect(&readable, &QSocketNotifier::activated, &loop, &QEventLoop::quit);
    QTimer::singleShot(std::max<qint64>(deadline.remainingTime(), 0), &loop, &QEventLoop::quit);
    loop.exec();
    char reply[RaisedSize] = {};
    return ::recv(socket, reply, sizeof reply, 0) == RaisedSize &&
           std::memcmp(reply, Raised, sizeof reply) == 0;
}
}  // namespace

WindowSocket::~WindowSocket() {
    if (listener_ >= 0) {
        notifier_.reset();
        ::close(listener_);
        ::unlink(path_.constData());
    }
}

void WindowSocket::listen(std::function<void()> raise) {
    Endpoint endpoint(path_);
    ::unlink(path_.constData());
    if (!endpoint.bind() || ::chmod(path_.constData(), S_IRUSR | S_IWUSR) != 0 ||
        ::listen(endpoint.socket(), 8) != 0) {
        return;
    }
    listener_ = endpoint.keep();
    raise_ = std::move(raise);
    notifier_ = std::make_unique<QSocketNotifier>(listener_, QSocketNotifier::Read);
    QObject::connect(notifier_.get(), &QSocketNotifier::activated, [this] { answerLaterStarts(); });
}

void WindowSocket::answerLaterStarts() {
    for (int later; (later = ::accept4(listener_, nullptr, nullptr, SOCK_CLOEXEC)) >= 0;) {
        raise_();
        // A start that has given up is not waited for.
        ::send(later, Raised, RaisedSize, MSG_NOSIGNAL | MSG_DONTWAIT);
        ::close(later);
    }
}

bool WindowSocket::askToRaise(const QDeadlineTimer& deadline) const {
    // Connecting fails at once when nobody listens, or when a window that does not answer has
    // a full queue of earlier starts.
    const Endpoint endpoint(path_);
    return endpoint.connect() && answered(endpoint.socket(), deadline);
}

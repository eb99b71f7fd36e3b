#pragma once

#include <QObject>

class QSocketNotifier;

// SIGTERM, SIGINT and SIGHUP, the ways a session or a user ends a program from outside, become
// the signal `requested` on the event loop; a second one ends the program at once, as it
// would have ended without this object. One object at a time.
class SignalExit : public QObject {
    Q_OBJECT
  public:
    explicit SignalExit(QObject* parent = nullptr);
    ~SignalExit() override;

  Q_SIGNALS:
    void requested();

  private:
    void take();

    QSocketNotifier* notifier_ = nullptr;
};

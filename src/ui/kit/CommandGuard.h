#pragma once

#include <QObject>
#include <QPointer>
#include <utility>

class Platform;

// Lets the main window run one command at a time. A command holds the guard from the moment it
// starts until it returns and, when it leaves a dialog open (QDialog::open() returns at once),
// until that dialog has finished. A request that arrives meanwhile, from a button, an access
// key, a menu, a tree key, a shortcut or a drop, is dropped with a beep, not queued: it would
// act on a list and a selection that the open dialog or message still relies on. Access keys
// click their buttons a moment later, so two keys in one burst reach the window even after
// the first one's dialog has opened.
// A dialog that the command's dialog opens as it closes keeps the guard held in turn. A dialog
// can have a guard of its own for the commands of its buttons.
class CommandGuard : public QObject {
    Q_OBJECT
  public:
    explicit CommandGuard(Platform& platform, QObject* parent = nullptr);

    // Runs `command` unless another command holds the guard.
    template <typename Command>
    void run(Command&& command) {
        if (take()) {
            std::forward<Command>(command)();
            release();
        }
    }
    // Runs `command` through the guard each time `sender` emits `signal`.
    template <typename Sender, typename Signal, typename Command>
    void connectCommand(const Sender* sender, Signal signal, Command command) {
        QObject::connect(sender, signal, this, [this, command]() mutable { run(command); });
    }

  Q_SIGNALS:
    // A command is about to run.
    void commandStarting();

  private:
    // False, with a beep, while another command holds the guard.
    bool take();
    // Lets go at once, or when the dialogs the command left open have finished.
    void release();

    Platform& platform_;
    bool held_ = false;
    // The modal dialog that was open when the command started: its own owner, not its doing.
    QPointer<QObject> startedUnder_;
};

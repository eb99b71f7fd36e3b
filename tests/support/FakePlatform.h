#pragma once

#include "ui/platform/Platform.h"

#include <QList>
#include <QStringList>
#include <functional>

// A Platform that records what the program shows and answers from a script prepared by the
// test. A question with no prepared answer gets its default button.
class FakePlatform : public Platform {
  public:
    struct Shown {
        QString text;
        Buttons buttons;
        Answer defaultButton;
    };

    QList<Answer> answers;    // consumed by message(), first first
    QStringList fileChoices;  // consumed by chooseSaveFile() and chooseOpenFile()
    QList<std::optional<qint32>> colorChoices;
    OfferedList clipboard;
    // What acceptDrops() was given: calling it drops a list on the target.
    DropTaker dropped;
    // Runs once while the next message is shown, as events do in a message box's own loop.
    std::function<void()> duringMessage;

    QList<Shown> messages;
    QStringList opened;
    QStringList fileProposals;
    Overwrite lastOverwrite = Overwrite::Ask;
    QList<QWidget*> raised;
    int beeps = 0;
    bool openSucceeds = true;

    Answer message(const QString& text, Buttons buttons, Answer defaultButton) override;
    void beep() override { ++beeps; }
    bool openDocument(const QString& path) override;
    // Recorded with the documents.
    bool openAddress(const QString& address) override { return openDocument(address); }
    QString chooseSaveFile(const QString& proposed, const QString& filters,
                           Overwrite overwrite = Overwrite::Ask) override;
    QString chooseOpenFile(const QString& proposed, const QString& filters) override;
    std::optional<qint32> chooseColor(qint32 initial) override;
    OfferedList clipboardList() override { return clipboard; }
    void acceptDrops(QWidget&, DropTaker target) override { dropped = std::move(target); }
    void raiseWindow(QWidget& window) override { raised.append(&window); }

    QString lastMessage() const { return messages.isEmpty() ? QString() : messages.last().text; }
};

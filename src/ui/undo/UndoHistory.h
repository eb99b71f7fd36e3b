#pragma once

#include <QObject>
#include <QUndoStack>
#include <memory>

class CommandGuard;
class QUndoCommand;
struct Model;
struct ModelOptions;

// The undo history of the list's and the options' changes, and what decides whether the
// settings differ from the store. After a step is undone or redone, SettingsChanged holds
// exactly when the list is not back where it was when last loaded or saved, or something beside
// the list was changed since: an option whose value now differs, or anything that set the flag
// while the list was as saved (an option dialog's Done, a refused move).
class UndoHistory : public QObject {
    Q_OBJECT
  public:
    // Keeps this many steps; the oldest go first.
    static constexpr int Steps = 1000;

    UndoHistory(Model& model, CommandGuard& guard, QObject* parent = nullptr);
    ~UndoHistory() override;

    QUndoStack& stack() { return stack_; }
    // Makes the step and keeps it for undoing.
    void push(std::unique_ptr<QUndoCommand> step);
    // The model now holds what the store holds (start-up, import, save).
    void markSaved();
    // Drops every step (save, clearing the settings); what they changed stays changed.
    void forget();

  private:
    // Before a command: the flag set while the list was as saved comes from outside the list.
    void noteOutsideChanges();
    void settle();
    bool settingsBesideTheListDiffer() const;

    Model& model_;
    QUndoStack stack_;
    std::unique_ptr<ModelOptions> saved_;  // as loaded or saved
    bool changedBesideTheList_ = false;
};

#include "ui/undo/UndoHistory.h"

#include "model/Model.h"
#include "ui/kit/CommandGuard.h"

UndoHistory::UndoHistory(Model& model, CommandGuard& guard, QObject* parent)
    : QObject(parent), model_(model), saved_(std::make_unique<ModelOptions>(model)) {
    stack_.setUndoLimit(Steps);
    connect(&stack_, &QUndoStack::indexChanged, this, &UndoHistory::settle);
    connect(&guard, &CommandGuard::commandStarting, this, &UndoHistory::noteOutsideChanges);
}

UndoHistory::~UndoHistory() {
    // Dropping the steps on the way out must not touch the model.
    disconnect(&stack_, nullptr, this, nullptr);
}

void UndoHistory::push(std::unique_ptr<QUndoCommand> step) {
    stack_.push(step.release());
}

void UndoHistory::markSaved() {
    *saved_ = model_;
    changedBesideTheList_ = false;
    stack_.setClean();
    // What settle() would find without comparing a copy of the whole model to the saved one.
    model_.SettingsChanged = false;
}

void UndoHistory::forget() {
    changedBesideTheList_ = changedBesideTheList_ || model_.SettingsChanged;
    stack_.clear();
}

void UndoHistory::noteOutsideChanges() {
    if (model_.SettingsChanged && stack_.isClean()) {
        changedBesideTheList_ = true;
    }
}

void UndoHistory::settle() {
    model_.SettingsChanged =
        changedBesideTheList_ || !stack_.isClean() || settingsBesideTheListDiffer();
}

bool UndoHistory::settingsBesideTheListDiffer() const {
    return !(static_cast<const ModelOptions&>(model_) == *saved_);
}

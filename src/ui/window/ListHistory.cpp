#include "ui/window/ListHistory.h"

#include "model/Model.h"
#include "ui/window/CommandGuard.h"

ListHistory::ListHistory(Model& model, CommandGuard& guard, QObject* parent)
    : QObject(parent), model_(model), saved_(std::make_unique<ModelOptions>(model)) {
    stack_.setUndoLimit(Steps);
    connect(&stack_, &QUndoStack::indexChanged, this, &ListHistory::settle);
    connect(&guard, &CommandGuard::commandStarting, this, &ListHistory::noteOutsideChanges);
}

ListHistory::~ListHistory() {
    // Dropping the steps on the way out must not touch the model.
    disconnect(&stack_, nullptr, this, nullptr);
}

void ListHistory::push(std::unique_ptr<QUndoCommand> step) {
    stack_.push(step.release());
}

void ListHistory::markSaved() {
    *saved_ = model_;
    changedBesideTheList_ = false;
    stack_.setClean();
    // What settle() would find without comparing a copy of the whole model to the saved one.
    model_.SettingsChanged = false;
}

void ListHistory::forget() {
    changedBesideTheList_ = changedBesideTheList_ || model_.SettingsChanged;
    stack_.clear();
}

void ListHistory::noteOutsideChanges() {
    if (model_.SettingsChanged && stack_.isClean()) {
        changedBesideTheList_ = true;
    }
}

void ListHistory::settle() {
    model_.SettingsChanged =
        changedBesideTheList_ || !stack_.isClean() || settingsBesideTheListDiffer();
}

bool ListHistory::settingsBesideTheListDiffer() const {
    return !(static_cast<const ModelOptions&>(model_) == *saved_);
}

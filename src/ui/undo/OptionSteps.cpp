#include "ui/undo/OptionSteps.h"

#include "model/Model.h"
#include "ui/undo/UndoHistory.h"

#include <QUndoCommand>
#include <utility>

namespace {
// Each way, the options the step holds and the model's change places.
class OptionsStep : public QUndoCommand {
  public:
    OptionsStep(Model& model, const QString& text, ModelOptions held)
        : QUndoCommand(text), model_(model), held_(std::move(held)) {}

    void redo() override { std::swap(static_cast<ModelOptions&>(model_), held_); }
    void undo() override { redo(); }

  private:
    Model& model_;
    ModelOptions held_;
};
}  // namespace

void PushOptionsStep(UndoHistory& history, Model& model, const QString& text,
                     const ModelOptions& before) {
    if (static_cast<const ModelOptions&>(model) == before) {
        return;
    }
    // The step makes the change itself as it is pushed, as every step does.
    ModelOptions changed = std::exchange(static_cast<ModelOptions&>(model), before);
    history.push(std::make_unique<OptionsStep>(model, text, std::move(changed)));
}

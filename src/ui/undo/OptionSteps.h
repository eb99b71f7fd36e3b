#pragma once

#include <QString>

class UndoHistory;
struct Model;
struct ModelOptions;

// Makes what an option dialog changed since `before` one step of `history`, named `text` after
// the dialog ("Undo Chart sites"); a dialog that changed nothing makes none. Undone, the step
// puts back every option as it was in `before`; the list is not touched.
void PushOptionsStep(UndoHistory& history, Model& model, const QString& text,
                     const ModelOptions& before);

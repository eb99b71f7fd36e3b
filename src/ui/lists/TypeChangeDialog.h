#pragma once

#include "ui/kit/ModelDialog.h"
#include "ui/lists/ListSnapshot.h"

class QComboBox;
class UndoHistory;

// "Change type": moves the selected stock to the end of another type.
class TypeChangeDialog : public ModelDialog {
    Q_OBJECT
  public:
    TypeChangeDialog(Model& model, StockView& tree, Platform& platform, UndoHistory& history,
                     QWidget* parent = nullptr);

    // Fills the dialog for the selected stock. False, with a beep, when no stock is selected.
    bool Type_Changer();

  protected:
    bool applyChanges() override;
    QWidget& firstField() override;

  private:
    QComboBox* typeChanger_;
    UndoHistory& history_;
    qint16 stockNo_ = -1;
    ListSnapshot filledFrom_;
};

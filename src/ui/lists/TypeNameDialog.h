#pragma once

#include "ui/kit/ModelDialog.h"
#include "ui/lists/ListSnapshot.h"

class QLineEdit;
class UndoHistory;

// "New or updated type": names a new type at the end of the list or renames one.
class TypeNameDialog : public ModelDialog {
    Q_OBJECT
  public:
    TypeNameDialog(Model& model, StockView& tree, Platform& platform, UndoHistory& history,
                   QWidget* parent = nullptr);

    // Fills the dialog for type `type`: one in use is renamed, Maxtypes + 1 is a new type.
    void Type_init(qint16 type);

  protected:
    bool applyChanges() override;
    QWidget& firstField() override;

  private:
    QLineEdit* header_;
    UndoHistory& history_;
    qint16 type_ = -1;
    ListSnapshot filledFrom_;
};

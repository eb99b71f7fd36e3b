#pragma once

#include "ui/kit/ModelDialog.h"

class QCheckBox;
class QComboBox;
class QLineEdit;

// "Own chart site": a chart site of the user's choosing, described by an address template.
class OwnSiteDialog : public ModelDialog {
    Q_OBJECT
  public:
    OwnSiteDialog(Model& model, StockTree& tree, Platform& platform, QWidget* parent = nullptr);

    // Fills the dialog from the model.
    void OwnSite_Init();

  protected:
    // Refuses an enabled site whose name or template cannot make chart links.
    bool applyChanges() override;
    QWidget& firstField() override;

  private:
    QCheckBox* OwnEnabled_;
    QLineEdit* OwnName_;
    QLineEdit* OwnTemplate_;
    QComboBox* SymbolsFrom_;
    QCheckBox* NewWindow_;
};

#pragma once

#include "ui/kit/FixedDialog.h"

class Platform;
class StockView;
struct Model;

// Base of every dialog that edits the model: the tree gets the focus back whichever way the
// dialog closes.
class ModelDialog : public FixedDialog {
    Q_OBJECT
  public:
    // Done, Cancel, Escape and closing the window all end here.
    void done(int result) override;

  protected:
    ModelDialog(Model& model, StockView& tree, Platform& platform, const Layout& layout,
                QWidget* parent);

    Model& model_;
    StockView& tree_;
    Platform& platform_;
};

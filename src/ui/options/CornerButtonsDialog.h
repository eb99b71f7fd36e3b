#pragma once

#include "ui/kit/ModelDialog.h"

#include <vector>

// Base of the general options and custom URLs dialogs: Cancel and Done side by side in the
// bottom right corner of a fixed client area.
class CornerButtonsDialog : public ModelDialog {
    Q_OBJECT
  public:
    // In twips, like every length of the dialogs' layouts.
    static constexpr int ButtonWidth = 1080;
    static constexpr int ButtonHeight = 372;
    static constexpr int Margin = 120;

  protected:
    CornerButtonsDialog(Model& model, StockTree& tree, Platform& platform, const QString& objectName,
                  const QString& title, QSize clientTwips, QWidget* parent);

    // Tab order: `fields` in the order given, then Cancel and Done.
    void tabThrough(const std::vector<QWidget*>& fields);
};

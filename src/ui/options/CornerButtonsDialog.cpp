#include "ui/options/CornerButtonsDialog.h"

CornerButtonsDialog::CornerButtonsDialog(Model& model, StockTree& tree, Platform& platform,
                             const QString& objectName, const QString& title, QSize clientTwips,
                             QWidget* parent)
    : ModelDialog(
          model, tree, platform,
          {objectName, title, clientTwips,
           QRect(clientTwips.width() - 2 * (ButtonWidth + Margin),
                 clientTwips.height() - Margin - ButtonHeight, ButtonWidth, ButtonHeight),
           QRect(clientTwips.width() - ButtonWidth - Margin,
                 clientTwips.height() - Margin - ButtonHeight, ButtonWidth, ButtonHeight)},
          parent) {}

void CornerButtonsDialog::tabThrough(const std::vector<QWidget*>& fields) {
    for (std::size_t i = 1; i < fields.size(); ++i) {
        setTabOrder(fields[i - 1], fields[i]);
    }
    chainTabOrder({fields.back()});
}

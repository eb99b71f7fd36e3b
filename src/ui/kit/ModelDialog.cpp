#include "ui/kit/ModelDialog.h"

#include "ui/kit/StockView.h"

ModelDialog::ModelDialog(Model& model, StockView& tree, Platform& platform, const Layout& layout,
                         QWidget* parent)
    : FixedDialog(layout, parent), model_(model), tree_(tree), platform_(platform) {}

void ModelDialog::done(int result) {
    FixedDialog::done(result);
    tree_.WebTree_GiveFocus();
}

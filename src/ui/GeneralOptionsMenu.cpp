#include "ui/GeneralOptionsMenu.h"

#include "ui/CustomUrlDialog.h"
#include "ui/GeneralOptionsDialog.h"
#include "ui/StockTree.h"

#include <QAction>

namespace {
template <typename Dialog>
void openOnFirstUse(QAction& item, Model& model, StockTree& tree, Platform& platform,
                    void (Dialog::*init)()) {
    Dialog* dialog = nullptr;
    QObject::connect(&item, &QAction::triggered, &tree,
                     [dialog, init, &model, &tree, &platform]() mutable {
                         if (!dialog) {
                             dialog = new Dialog(model, tree, platform, tree.window());
                         }
                         (dialog->*init)();
                     });
    item.setEnabled(true);
}
}  // namespace

void ConnectGeneralOptionsMenu(QAction& GenOptsMenu, QAction& CustomUrlMenu, Model& model,
                               StockTree& tree, Platform& platform) {
    openOnFirstUse(GenOptsMenu, model, tree, platform, &GeneralOptionsDialog::GenOpts_Init);
    openOnFirstUse(CustomUrlMenu, model, tree, platform, &CustomUrlDialog::CustomURL_Init);
}

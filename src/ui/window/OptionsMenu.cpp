#include "ui/window/OptionsMenu.h"

#include "ui/options/CustomUrlDialog.h"
#include "ui/options/GeneralOptionsDialog.h"
#include "ui/options/OwnSiteDialog.h"
#include "ui/options/SiteOptionsDialog.h"
#include "ui/window/CommandGuard.h"
#include "ui/window/StockTree.h"

#include <QAction>

namespace {
// `extra` goes to the dialog's constructor between the platform and the parent.
template <typename Dialog, typename... Extra>
void openOnFirstUse(QAction* item, Model& model, StockTree& tree, Platform& platform,
                    CommandGuard& guard, void (Dialog::*fill)(), Extra... extra) {
    Dialog* dialog = nullptr;
    guard.connectCommand(item, &QAction::triggered, [=, &model, &tree, &platform]() mutable {
        if (!dialog) {
            dialog = new Dialog(model, tree, platform, extra..., tree.window());
        }
        (dialog->*fill)();
        dialog->open();
    });
    item->setEnabled(true);
}
}  // namespace

void ConnectOptionsMenu(const OptionsItems& items, Model& model, StockTree& tree,
                        Platform& platform, CommandGuard& guard) {
    openOnFirstUse(items.GenOptsMenu, model, tree, platform, guard,
                   &GeneralOptionsDialog::GenOpts_Init);
    openOnFirstUse(items.CustomUrlMenu, model, tree, platform, guard,
                   &CustomUrlDialog::CustomURL_Init);
    QAction* const siteItems[] = {items.BigChartsMenu, items.StockMasterMenu, items.StockPointMenu,
                                  items.YahooMenu};
    for (SiteId site : AllSites) {
        openOnFirstUse(siteItems[static_cast<int>(site)], model, tree, platform, guard,
                       &SiteOptionsDialog::Init, site);
    }
    openOnFirstUse(items.OwnSiteMenu, model, tree, platform, guard, &OwnSiteDialog::OwnSite_Init);
}

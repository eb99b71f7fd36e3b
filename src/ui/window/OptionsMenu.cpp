#include "ui/window/OptionsMenu.h"

#include "ui/options/CustomUrlDialog.h"
#include "ui/options/GeneralOptionsDialog.h"
#include "ui/options/OwnSiteDialog.h"
#include "ui/options/SiteOptionsDialog.h"
#include "ui/window/StockTree.h"

#include <QAction>

namespace {
// `extra` goes to the dialog's constructor between the platform and the parent.
template <typename Dialog, typename... Extra>
void openOnFirstUse(QAction* item, Model& model, StockTree& tree, Platform& platform,
                    void (Dialog::*fill)(), Extra... extra) {
    Dialog* dialog = nullptr;
    QObject::connect(item, &QAction::triggered, &tree, [=, &model, &tree, &platform]() mutable {
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
                        Platform& platform) {
    openOnFirstUse(items.GenOptsMenu, model, tree, platform, &GeneralOptionsDialog::GenOpts_Init);
    openOnFirstUse(items.CustomUrlMenu, model, tree, platform, &CustomUrlDialog::CustomURL_Init);
    QAction* const siteItems[] = {items.BigChartsMenu, items.StockMasterMenu, items.StockPointMenu,
                                  items.YahooMenu};
    for (SiteId site : AllSites) {
        openOnFirstUse(siteItems[static_cast<int>(site)], model, tree, platform,
                       &SiteOptionsDialog::Init, site);
    }
    openOnFirstUse(items.OwnSiteMenu, model, tree, platform, &OwnSiteDialog::OwnSite_Init);
}

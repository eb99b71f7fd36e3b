#include "ui/SiteDialogs.h"

#include "ui/SiteOptionsDialog.h"
#include "ui/StockTree.h"

#include <QAction>

SiteDialogs::SiteDialogs(Model& model, StockTree& tree, Platform& platform)
    : model_(model), tree_(tree), platform_(platform) {}

SiteOptionsDialog& SiteDialogs::dialog(SiteId site) {
    SiteOptionsDialog*& dialog = dialogs_[static_cast<size_t>(site)];
    if (!dialog) {
        dialog = new SiteOptionsDialog(model_, tree_, platform_, site, tree_.window());
    }
    return *dialog;
}

void SiteDialogs::open(SiteId site) {
    SiteOptionsDialog& options = dialog(site);
    options.Init();
    options.open();
}

void SiteDialogs::connectItems(const std::array<QAction*, 4>& items) {
    for (SiteId site : AllSites) {
        QAction* item = items[static_cast<size_t>(site)];
        item->setEnabled(true);
        QObject::connect(item, &QAction::triggered, item, [this, site] { open(site); });
    }
}

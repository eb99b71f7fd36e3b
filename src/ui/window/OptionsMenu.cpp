#include "ui/window/OptionsMenu.h"

#include "model/Model.h"
#include "ui/kit/CommandGuard.h"
#include "ui/options/ChartSitesDialog.h"
#include "ui/options/CustomUrlDialog.h"
#include "ui/options/GeneralOptionsDialog.h"
#include "ui/options/SiteOptionsDialog.h"
#include "ui/undo/OptionSteps.h"
#include "ui/window/StockTree.h"

#include <QAction>
#include <QCoreApplication>
#include <QMenu>
#include <memory>

namespace {
QAction* addItem(QMenu& menu, const QString& name, const QString& caption) {
    QAction* item = menu.addAction(caption);
    item->setObjectName(name);
    return item;
}

// `extra` goes to the dialog's constructor between the platform and the parent. What the
// dialog changes, from opening to its Done, is one step of `history`.
template <typename Dialog, typename... Extra>
void openOnFirstUse(QAction* item, Model& model, StockTree& tree, Platform& platform,
                    UndoHistory& history, CommandGuard& guard, void (Dialog::*fill)(),
                    Extra... extra) {
    Dialog* dialog = nullptr;
    const auto before = std::make_shared<ModelOptions>();
    guard.connectCommand(
        item, &QAction::triggered, [=, &model, &tree, &platform, &history]() mutable {
            if (!dialog) {
                dialog = new Dialog(model, tree, platform, extra..., tree.window());
                QObject::connect(
                    dialog, &QDialog::accepted, dialog, [&model, &history, before, dialog] {
                        PushOptionsStep(history, model, dialog->windowTitle(), *before);
                    });
            }
            *before = model;
            (dialog->*fill)();
            dialog->open();
        });
    item->setEnabled(true);
}
}  // namespace

OptionsItems AddOptionsItems(QMenu& menu) {
    OptionsItems items{};
    items.GenOptsMenu = addItem(menu, QStringLiteral("GenOptsMenu"),
                                QCoreApplication::translate("OptionsMenu", "&General"));
    items.CustomUrlMenu = addItem(menu, QStringLiteral("CustomUrlMenu"),
                                  QCoreApplication::translate("OptionsMenu", "&Custom URLs"));
    for (SiteId id : AllSites) {
        items.siteMenus[static_cast<size_t>(id)] =
            addItem(menu, Site(id).name + QStringLiteral("Menu"),
                    QCoreApplication::translate("SiteTable", Site(id).menuCaption));
    }
    items.ChartSitesMenu = addItem(menu, QStringLiteral("ChartSitesMenu"),
                                   QCoreApplication::translate("OptionsMenu", "Chart &sites"));
    return items;
}

void ConnectOptionsMenu(const OptionsItems& items, Model& model, StockTree& tree,
                        Platform& platform, UndoHistory& history, CommandGuard& guard) {
    openOnFirstUse(items.GenOptsMenu, model, tree, platform, history, guard,
                   &GeneralOptionsDialog::GenOpts_Init);
    openOnFirstUse(items.CustomUrlMenu, model, tree, platform, history, guard,
                   &CustomUrlDialog::CustomURL_Init);
    for (SiteId site : AllSites) {
        openOnFirstUse(items.siteMenus[static_cast<size_t>(site)], model, tree, platform, history,
                       guard, &SiteOptionsDialog::Init, site);
    }
    openOnFirstUse(items.ChartSitesMenu, model, tree, platform, history, guard,
                   &ChartSitesDialog::ChartSites_Init);
}

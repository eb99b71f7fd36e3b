#pragma once

#include "model/SiteTable.h"

#include <array>

class CommandGuard;
class Platform;
class QAction;
class QMenu;
class StockTree;
class UndoHistory;
struct Model;

// The Options menu's items, in menu order.
struct OptionsItems {
    QAction* GenOptsMenu;
    QAction* CustomUrlMenu;
    PerSite<QAction*> siteMenus;  // in site order, from the site table
    QAction* ChartSitesMenu;
};

// Adds the items to the Options menu, without their commands.
OptionsItems AddOptionsItems(QMenu& menu);

// Enables every Options item and makes it open its dialog, through `guard`: created the first
// time as a child of the tree's window, filled from the model each time it opens, only hidden
// between uses. Each dialog's changes are one step of `history`, named after the dialog.
void ConnectOptionsMenu(const OptionsItems& items, Model& model, StockTree& tree,
                        Platform& platform, UndoHistory& history, CommandGuard& guard);

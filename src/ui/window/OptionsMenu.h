#pragma once

class CommandGuard;
class Platform;
class QAction;
class StockTree;
struct Model;

// The Options menu's items, in menu order.
struct OptionsItems {
    QAction* GenOptsMenu;
    QAction* CustomUrlMenu;
    QAction* BigChartsMenu;
    QAction* StockMasterMenu;
    QAction* StockPointMenu;
    QAction* YahooMenu;
    QAction* OwnSiteMenu;
};

// Enables every Options item and makes it open its dialog, through `guard`: created the first
// time as a child of the tree's window, filled from the model each time it opens, only hidden
// between uses.
void ConnectOptionsMenu(const OptionsItems& items, Model& model, StockTree& tree,
                        Platform& platform, CommandGuard& guard);

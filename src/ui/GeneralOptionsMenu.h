#pragma once

class Platform;
class QAction;
class StockTree;
struct Model;

// Enables the Options items "General" and "Custom URLs" and makes them open their dialogs,
// each created on first use as a child of the tree's window.
void ConnectGeneralOptionsMenu(QAction& GenOptsMenu, QAction& CustomUrlMenu, Model& model,
                               StockTree& tree, Platform& platform);

#pragma once

#include "model/SiteTable.h"

#include <array>

class Platform;
class QAction;
class SiteOptionsDialog;
class StockTree;
struct Model;

// The four chart site dialogs, each created the first time it opens and owned by the tree's
// window from then on.
class SiteDialogs {
  public:
    SiteDialogs(Model& model, StockTree& tree, Platform& platform);

    SiteOptionsDialog& dialog(SiteId site);
    // Fills the site's dialog from the model and opens it modally over the window.
    void open(SiteId site);
    // Enables the Options menu's site items, given in site order, and connects them.
    void connectItems(const std::array<QAction*, 4>& items);

  private:
    Model& model_;
    StockTree& tree_;
    Platform& platform_;
    std::array<SiteOptionsDialog*, 4> dialogs_{};
};

#pragma once

#include <QCoreApplication>

#include "model/Model.h"
#include "ui/platform/Platform.h"

class StockTree;

// The two page buttons: generating the web pages and opening the start page in the browser.
class PageCommands {
    Q_DECLARE_TR_FUNCTIONS(PageCommands)

  public:
    PageCommands(Model& model, Platform& platform, StockTree& tree);

    void GenerateWebPages();
    void StartBrowser();

  private:
    // Returns whether every page was written.
    bool generate();
    QString startPageFile() const;

    Model& model_;
    Platform& platform_;
    StockTree& tree_;
};

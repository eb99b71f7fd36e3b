#include "app/WindowMode.h"

#include "model/Model.h"
#include "store/Storage.h"
#include "ui/window/MainWindow.h"
#include "ui/platform/QtPlatform.h"
#include "ui/window/StockTree.h"

#include <QApplication>

int RunWindow(int& argc, char** argv, const CommandLine& line) {
    QApplication app(argc, argv);
    Model model;
    const Storage storage(line.storeFile);
    QtPlatform platform;
    MainWindow window(model, storage, platform);
    window.show();
    window.tree().WebTree_GiveFocus();
    return app.exec();
}

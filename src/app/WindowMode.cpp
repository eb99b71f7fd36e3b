#include "app/WindowMode.h"

#include "model/Model.h"
#include "store/Storage.h"
#include "ui/platform/QtPlatform.h"
#include "ui/window/MainWindow.h"
#include "ui/window/SingleWindow.h"
#include "ui/window/StockTree.h"

#include <QApplication>
#include <QThread>

int RunWindow(int& argc, char** argv, const CommandLine& line) {
    // Qt takes the first thread that asks for its own thread as the main one; the lock is tried
    // on another thread, so this one asks first.
    QThread::currentThread();
    QtPlatform platform;
    // Made first, so that taking the lock overlaps connecting to the display.
    SingleWindow single(line.storeFile, platform);
    QApplication app(argc, argv);
    if (const std::optional<int> exitCode = single.claim()) {
        return *exitCode;
    }
    Model model;
    const Storage storage(line.storeFile);
    MainWindow window(model, storage, platform);
    single.setWindow(window);
    window.show();
    window.tree().WebTree_GiveFocus();
    return app.exec();
}

#include "app/WindowMode.h"

#include "app/ProgramStorage.h"
#include "app/SignalExit.h"

#include "model/Model.h"
#include "settings/Storage.h"
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
    const Storage storage = ProgramStorage(line.storeFile);
    MainWindow window(model, storage, platform);
    single.setWindow(window);
    // A signal or a logout ends the program as Exit would, without a question nobody answers.
    SignalExit ending;
    QObject::connect(&ending, &SignalExit::requested, &window, &MainWindow::EndWithoutAsking);
#if QT_CONFIG(sessionmanager)
    QObject::connect(&app, &QGuiApplication::commitDataRequest, &window,
                     &MainWindow::EndWithoutAsking);
#endif
    window.show();
    window.tree().WebTree_GiveFocus();
    return app.exec();
}

#pragma once

#include <QCoreApplication>

#include "settings/StoreLock.h"
#include "ui/platform/Platform.h"
#include "ui/window/WindowSocket.h"

#include <chrono>
#include <future>
#include <optional>

// One window per settings file. The window holds the lock beside the store for its whole life
// and listens, on a local socket named after the store's resolved path, for later starts on
// the same file; such a start asks it to come to the front and ends. Taking the lock writes a
// file through to the disk, so the first try starts in the background as soon as the object
// is made.
class SingleWindow {
    Q_DECLARE_TR_FUNCTIONS(SingleWindow)

  public:
    // `patience` bounds how long a later start waits for the running window to answer.
    SingleWindow(const QString& storeFile, Platform& platform,
                 std::chrono::milliseconds patience = std::chrono::seconds(3));

    // Takes the settings file for this start's window and returns nothing. When a window has
    // it already, asks that window to come to the front and returns 0, or tells the user that
    // it could not be reached and returns 1: the exit status of a start without a window.
    std::optional<int> claim();
    // The window that later starts bring to the front.
    void setWindow(QWidget& window) { window_ = &window; }

  private:
    QString storeFile_;
    Platform& platform_;
    std::chrono::milliseconds patience_;
    StoreLock lock_;
    std::future<StoreLock::State> firstTry_;
    WindowSocket socket_;
    QWidget* window_ = nullptr;
};

#pragma once

#include "files/DefaultHtmlDir.h"
#include "model/Model.h"
#include "settings/Storage.h"
#include "support/FakePlatform.h"
#include "ui/window/MainWindow.h"

#include <QCoreApplication>

class QDialog;

// The main window started on a store file of its own, with its model and a scripted platform.
struct WindowSession {
    explicit WindowSession(const QString& storeFile)
        : storage(storeFile, DefaultHtmlDirFor(QCoreApplication::applicationDirPath())) {}

    Model model;
    const Storage storage;
    FakePlatform platform;
    MainWindow window{model, storage, platform};

    // Selects the one node of the tree that shows `text`; false when there is none.
    bool select(const QString& text);
    // Runs the window's menu item or clicks its button named `name`, which takes the focus;
    // false when it has none.
    bool trigger(const QString& name);
    // The dialog of the window that is on screen, or null.
    QDialog* shownDialog() const;
    // Opens a dialog with the tree's node `node` selected, from the focus on another button:
    // the first word of `trigger` is a menu item, a button or a request of the tree (its
    // double click or Delete key), further words are buttons clicked, or keys pressed, in the
    // dialog the words before opened. Gives the dialog on top, or null.
    QDialog* open(const QString& node, const QString& trigger);
};

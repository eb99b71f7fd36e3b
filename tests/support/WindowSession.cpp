#include "support/WindowSession.h"

#include <QAbstractButton>
#include <QAction>
#include <QDialog>

bool WindowSession::trigger(const QString& name) {
    if (auto* item = window.findChild<QAction*>(name)) {
        item->trigger();
    } else if (auto* button = window.findChild<QAbstractButton*>(name)) {
        button->click();
    } else {
        return false;
    }
    return true;
}

QDialog* WindowSession::shownDialog() const {
    for (QDialog* dialog : window.findChildren<QDialog*>()) {
        if (dialog->isVisible()) {
            return dialog;
        }
    }
    return nullptr;
}

#include "support/WindowSession.h"

#include "ui/window/StockTree.h"

#include <QAbstractButton>
#include <QAction>
#include <QDialog>

bool WindowSession::select(const QString& text) {
    const auto found = window.tree().findItems(text, Qt::MatchExactly | Qt::MatchRecursive);
    if (found.size() == 1) {
        window.tree().setCurrentItem(found[0]);
    }
    return found.size() == 1;
}

bool WindowSession::trigger(const QString& name) {
    if (auto* item = window.findChild<QAction*>(name)) {
        item->trigger();
    } else if (auto* button = window.findChild<QAbstractButton*>(name)) {
        button->setFocus(Qt::MouseFocusReason);  // as a click with the mouse gives it
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

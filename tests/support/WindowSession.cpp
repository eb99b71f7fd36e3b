#include "support/WindowSession.h"

#include "ui/window/StockTree.h"

#include <QAbstractButton>
#include <QAction>
#include <QApplication>
#include <QDialog>
#include <QTest>

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

QDialog* WindowSession::open(const QString& node, const QString& trigger) {
    if (!node.isEmpty() && !select(node)) {
        return nullptr;
    }
    window.findChild<QWidget*>(QStringLiteral("StartBrowser"))->setFocus();
    const QStringList words = trigger.split(u' ');
    if (!this->trigger(words[0]) &&
        !QMetaObject::invokeMethod(&window.tree(), qPrintable(words[0]))) {
        return nullptr;
    }
    for (const QString& word : words.mid(1)) {
        auto* top = qobject_cast<QDialog*>(QApplication::activeModalWidget());
        if (auto* button = top ? top->findChild<QAbstractButton*>(word) : nullptr) {
            button->click();
        } else if (top) {
            QTest::keySequence(top->focusWidget(), QKeySequence(word));
        }
    }
    return qobject_cast<QDialog*>(QApplication::activeModalWidget());
}

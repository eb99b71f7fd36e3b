#include "ui/window/EditMenu.h"

#include "model/StockOrder.h"
#include "ui/kit/CommandGuard.h"
#include "ui/kit/TreeSelection.h"
#include "ui/platform/Platform.h"
#include "ui/undo/UndoHistory.h"
#include "ui/undo/UndoSteps.h"
#include "ui/window/FindBar.h"
#include "ui/window/ListFileCommands.h"
#include "ui/window/StockTree.h"

#include <QAction>
#include <QCoreApplication>
#include <QMenu>
#include <algorithm>

namespace {
struct MenuItems {
    QMenu& menu;
    CommandGuard& guard;

    QAction* action(const QString& caption) { return new QAction(caption, &menu); }

    template <typename Command>
    void add(QAction* item, const char* name, const QList<QKeySequence>& keys, Command command) {
        item->setObjectName(QLatin1String(name));
        item->setShortcuts(keys);
        menu.addAction(item);
        guard.connectCommand(item, &QAction::triggered, command);
    }
};

void sortSelectedType(Model& model, StockTree& tree, Platform& platform, UndoHistory& history,
                      SortKey key, const QString& text) {
    const TreeSelection selected = tree.selection();
    if (selected.kind == TreeSelection::Kind::None) {
        platform.beep();
        return;
    }
    const std::vector<qint16> order = SortedOrder(model.list, selected.type, key);
    if (!std::is_sorted(order.begin(), order.end())) {
        history.push(SortStep(model, tree, text, selected.type, order));
    }
    tree.WebTree_GiveFocus();
}
}  // namespace

void FillEditMenu(QMenu& menu, Model& model, StockTree& tree, Platform& platform,
                  UndoHistory& history, ListFileCommands& lists, CommandGuard& guard) {
    MenuItems items{menu, guard};
    QUndoStack& stack = history.stack();
    QAction* undo = stack.createUndoAction(
        //: Followed by the name of the step, as in "Undo Move up".
        &menu, QCoreApplication::translate("EditMenu", "&Undo"));
    QAction* redo = stack.createRedoAction(
        //: Followed by the name of the step, as in "Redo Move up".
        &menu, QCoreApplication::translate("EditMenu", "&Redo"));
    // Both come connected to the history straight, past the guard.
    QObject::disconnect(undo, &QAction::triggered, &stack, &QUndoStack::undo);
    QObject::disconnect(redo, &QAction::triggered, &stack, &QUndoStack::redo);
    items.add(undo, "Undo", {Qt::CTRL | Qt::Key_Z}, [&stack, &tree] {
        stack.undo();
        tree.WebTree_GiveFocus();
    });
    items.add(redo, "Redo", {Qt::CTRL | Qt::SHIFT | Qt::Key_Z, Qt::CTRL | Qt::Key_Y},
              [&stack, &tree] {
                  stack.redo();
                  tree.WebTree_GiveFocus();
              });
    items.add(items.action(QCoreApplication::translate("EditMenu", "&Paste stocks")), "PasteStocks",
              {Qt::CTRL | Qt::Key_V}, [&lists] { lists.PasteList(); });
    items.add(items.action(QCoreApplication::translate("EditMenu", "&Sort type by symbol")),
              "SortBySymbol", {}, [&, sort = SortKey::Symbol] {
                  sortSelectedType(model, tree, platform, history, sort,
                                   QCoreApplication::translate("EditMenu", "Sort type by symbol"));
              });
    items.add(items.action(QCoreApplication::translate("EditMenu", "Sort type by &description")),
              "SortByDescription", {}, [&, sort = SortKey::Description] {
                  sortSelectedType(
                      model, tree, platform, history, sort,
                      QCoreApplication::translate("EditMenu", "Sort type by description"));
              });
    // Made on first use: the window opens with the bar hidden.
    items.add(items.action(QCoreApplication::translate("EditMenu", "&Find…")), "Find",
              {Qt::CTRL | Qt::Key_F},
              [&model, &tree, bar = static_cast<FindBar*>(nullptr)]() mutable {
                  if (!bar) {
                      bar = new FindBar(model, tree);
                  }
                  bar->open();
              });
}

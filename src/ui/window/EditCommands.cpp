#include "ui/window/EditCommands.h"

#include "model/Limits.h"
#include "ui/kit/CommandGuard.h"
#include "ui/kit/TreeSelection.h"
#include "ui/lists/StockEditor.h"
#include "ui/lists/TypeChangeDialog.h"
#include "ui/lists/TypeNameDialog.h"
#include "ui/platform/Platform.h"
#include "ui/undo/UndoHistory.h"
#include "ui/undo/UndoSteps.h"
#include "ui/window/StockTree.h"

#include <QPushButton>

#include <algorithm>

EditCommands::EditCommands(Model& model, StockTree& tree, Platform& platform, UndoHistory& history)
    : model_(model), tree_(tree), platform_(platform), history_(history) {}

StockEditor& EditCommands::stockEditor() {
    if (!stockEditor_) {
        stockEditor_ = new StockEditor(model_, tree_, platform_, history_, tree_.window());
    }
    return *stockEditor_;
}

TypeNameDialog& EditCommands::typeNameDialog() {
    if (!typeNameDialog_) {
        typeNameDialog_ = new TypeNameDialog(model_, tree_, platform_, history_, tree_.window());
    }
    return *typeNameDialog_;
}

TypeChangeDialog& EditCommands::typeChanger() {
    if (!typeChanger_) {
        typeChanger_ = new TypeChangeDialog(model_, tree_, platform_, history_, tree_.window());
    }
    return *typeChanger_;
}

void EditCommands::open(QDialog& dialog) {
    dialog.open();
}

bool EditCommands::editorOpen() const {
    const QDialog* editors[] = {stockEditor_, typeNameDialog_, typeChanger_};
    return std::any_of(std::begin(editors), std::end(editors),
                       [](const QDialog* editor) { return editor && editor->isVisible(); });
}

void EditCommands::finish() {
    if (!editorOpen()) {
        tree_.WebTree_GiveFocus();
    }
}

TreeSelection EditCommands::selectionOrBeep() {
    const TreeSelection selection = tree_.selection();
    if (selection.kind == TreeSelection::Kind::None) {
        platform_.beep();
    }
    return selection;
}

void EditCommands::MoveUp() {
    move(-1);
    finish();
}

void EditCommands::MoveDown() {
    move(+1);
    finish();
}

void EditCommands::move(int step) {
    const TreeSelection selected = selectionOrBeep();
    if (selected.kind == TreeSelection::Kind::None) {
        return;
    }
    // Marked before the move is known to be possible.
    model_.SettingsChanged = true;
    const StockList& list = model_.list;
    const TypeRecord& type = list.types[selected.type];
    // A stock never leaves its type by moving.
    const qint16 edgeStock = step < 0 ? type.Lowstock : type.Histock;
    const qint16 edgeType = step < 0 ? 0 : list.Maxtypes;
    const QString text = step < 0 ? tr("Move up") : tr("Move down");
    if (selected.isStock() && selected.stock != edgeStock) {
        history_.push(MoveStockStep(model_, tree_, text, selected.stock, selected.type,
                                    selected.stock + step - type.Lowstock));
    } else if (selected.isType() && selected.type != edgeType) {
        history_.push(MoveTypeStep(model_, tree_, text, selected.type, selected.type + step));
    } else {
        platform_.beep();
    }
}

void EditCommands::Edit() {
    const TreeSelection selected = selectionOrBeep();
    if (selected.isStock()) {
        if (stockEditor().Stock_init(false)) {
            open(stockEditor());
        }
    } else if (selected.isType()) {
        typeNameDialog().Type_init(selected.type);
        open(typeNameDialog());
    }
    finish();
}

void EditCommands::ChangeType() {
    if (typeChanger().Type_Changer()) {
        open(typeChanger());
    }
    finish();
}

void EditCommands::AddStock() {
    if (StockLimitReached(model_.list)) {
        platform_.message(StockLimitMessage());
    } else if (stockEditor().Stock_init(true)) {
        open(stockEditor());
    }
    finish();
}

void EditCommands::AddType() {
    if (TypeLimitReached(model_.list)) {
        platform_.message(TypeLimitMessage());
    } else {
        typeNameDialog().Type_init(model_.list.Maxtypes + 1);
        open(typeNameDialog());
    }
    finish();
}

void EditCommands::Delete() {
    const TreeSelection selected = selectionOrBeep();
    if (selected.isType()) {
        deleteType(selected);
    } else if (selected.isStock()) {
        history_.push(DeleteStockStep(model_, tree_, selected.stock));
    }
    finish();
}

void EditCommands::deleteType(const TreeSelection& selected) {
    const qint16 type = selected.type;
    if (model_.list.typeHasStocks(type)) {
        platform_.beep();
        platform_.message(tr("Please delete or move stocks under this type before deleting type"));
        return;
    }
    history_.push(DeleteTypeStep(model_, tree_, type));
}

void ConnectEditCommands(QWidget& window, StockTree& tree, EditCommands& commands,
                         CommandGuard& guard) {
    const std::pair<const char*, void (EditCommands::*)()> buttons[] = {
        {"MoveUp", &EditCommands::MoveUp},     {"MoveDown", &EditCommands::MoveDown},
        {"Edit", &EditCommands::Edit},         {"ChangeType", &EditCommands::ChangeType},
        {"AddStock", &EditCommands::AddStock}, {"AddType", &EditCommands::AddType},
        {"Delete", &EditCommands::Delete},
    };
    for (const auto& [name, command] : buttons) {
        if (auto* button = window.findChild<QPushButton*>(QString::fromLatin1(name))) {
            button->setEnabled(true);
            guard.connectCommand(button, &QPushButton::clicked,
                                 [&commands, command = command] { (commands.*command)(); });
        }
    }
    guard.connectCommand(&tree, &StockTree::editRequested, [&commands] { commands.Edit(); });
    guard.connectCommand(&tree, &StockTree::deleteRequested, [&commands] { commands.Delete(); });
}

#pragma once

#include <QCoreApplication>

#include <QtGlobal>

class CommandGuard;
class Platform;
class QDialog;
class QWidget;
class StockEditor;
class StockTree;
class TypeChangeDialog;
class TypeNameDialog;
class UndoHistory;
struct Model;
struct TreeSelection;

// The seven commands on the stock list. Each acts on the tree's selected node and makes its
// change as one step of `history`, which refills the tree; the dialogs they open are created
// on first use and make their change when the user presses Done. Every command, refused ones
// included, leaves the keyboard focus in the tree, or in the editor it opened (which gives it back
// when it closes), so that the arrow keys keep moving through the list.
class EditCommands {
    Q_DECLARE_TR_FUNCTIONS(EditCommands)

  public:
    EditCommands(Model& model, StockTree& tree, Platform& platform, UndoHistory& history);
    EditCommands(const EditCommands&) = delete;
    EditCommands& operator=(const EditCommands&) = delete;

    void MoveUp();
    void MoveDown();
    void Edit();
    void ChangeType();
    void AddStock();
    void AddType();
    void Delete();

    StockEditor& stockEditor();
    TypeNameDialog& typeNameDialog();
    TypeChangeDialog& typeChanger();
    // True while one of the editors is on screen.
    bool editorOpen() const;

  private:
    // The selected node; beeps when there is none.
    TreeSelection selectionOrBeep();
    // Moves the selected stock within its type, or the selected type, one place up (-1) or
    // down (+1).
    void move(int step);
    void deleteType(const TreeSelection& selected);
    // Opens a filled dialog modally over the window; its Done or Cancel finishes the command.
    static void open(QDialog& dialog);
    // Gives the tree the focus unless an editor is open.
    void finish();

    Model& model_;
    StockTree& tree_;
    Platform& platform_;
    UndoHistory& history_;
    // Owned by the tree's window, which outlives the commands.
    StockEditor* stockEditor_ = nullptr;
    TypeNameDialog* typeNameDialog_ = nullptr;
    TypeChangeDialog* typeChanger_ = nullptr;
};

// Enables the editing buttons of `window` (found by object name) and connects them, the
// tree's double click and its Delete key to the commands, through `guard`.
void ConnectEditCommands(QWidget& window, StockTree& tree, EditCommands& commands,
                         CommandGuard& guard);

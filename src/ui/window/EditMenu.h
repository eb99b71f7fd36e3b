#pragma once

class CommandGuard;
class ListFileCommands;
class Platform;
class QMenu;
class StockTree;
class UndoHistory;
struct Model;

// Fills the Edit menu: Undo and Redo (each naming the step it takes back or makes again),
// Paste stocks, sorting the selected type (or the selected stock's) by symbol or description,
// and Find, which opens the find bar below the tree. Every item runs through `guard`; after
// each the tree has the focus.
void FillEditMenu(QMenu& menu, Model& model, StockTree& tree, Platform& platform,
                  UndoHistory& history, ListFileCommands& lists, CommandGuard& guard);

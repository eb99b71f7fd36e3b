#pragma once

#include "ui/kit/TreeSelection.h"

#include <QString>
#include <optional>

class CommandGuard;
class QMimeData;
class StockTree;
class UndoHistory;
struct Model;

// What dropping a dragged node does: a type goes to index `to` with its stocks; a stock goes
// to place `place` of type `to`, counted as if it had left the list first.
struct DropMove {
    TreeSelection dragged;
    qint16 to = -1;
    qint16 place = -1;
};

// The move that dropping `dragged` at row `row` among the children of `onto` makes (`onto`
// Kind::None: among the types), or nothing when the drop cannot be made or would change
// nothing. A type dropped among the types goes to that row; dropped on a type or one of its
// stocks, it takes that type's place. A stock dropped on a stock takes that stock's place;
// among a type's stocks it goes to that row; among the types it cannot go.
std::optional<DropMove> PlanDrop(const StockList& list, const TreeSelection& dragged,
                                 const TreeSelection& onto, int row);

// The format of a dragged node.
QString NodeDragFormat();
// The drag of node `node` of `tree`; only that tree takes it back.
QMimeData* NodeDrag(const StockTree& tree, int node);
// The node of `tree` that `data` carries, or 0.
int DraggedNode(const StockTree& tree, const QMimeData& data);

// Makes each drop in `tree` one step of `history`, through `guard`.
void ConnectTreeDrops(StockTree& tree, Model& model, UndoHistory& history, CommandGuard& guard);

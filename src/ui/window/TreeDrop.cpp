#include "ui/window/TreeDrop.h"

#include "model/StockList.h"
#include "ui/kit/CommandGuard.h"
#include "ui/undo/UndoHistory.h"
#include "ui/undo/UndoSteps.h"
#include "ui/window/StockTree.h"

#include <QCoreApplication>
#include <QMimeData>

std::optional<DropMove> PlanDrop(const StockList& list, const TreeSelection& dragged,
                                 const TreeSelection& onto, int row) {
    if (dragged.isType()) {
        const int to = onto.kind != TreeSelection::Kind::None ? onto.type
                       : row > dragged.type                   ? row - 1
                                                              : row;
        return to == dragged.type ? std::nullopt : std::optional(DropMove{dragged, qint16(to), -1});
    }
    if (!dragged.isStock() || onto.kind == TreeSelection::Kind::None) {
        return std::nullopt;
    }
    const qint16 low = list.types[onto.type].Lowstock;
    const bool ownType = onto.type == dragged.type;
    int place = onto.isStock() ? onto.stock - low : row;
    if (onto.isType() && ownType && place > dragged.stock - low) {
        --place;  // the rows below the stock close up when it leaves
    }
    if (ownType && place == dragged.stock - low) {
        return std::nullopt;
    }
    return DropMove{dragged, onto.type, qint16(place)};
}

namespace {
// The process and the tree a drag comes from.
QByteArray ownerOf(const StockTree& tree) {
    return QByteArray::number(QCoreApplication::applicationPid()) + ' ' +
           QByteArray::number(quintptr(&tree));
}
}  // namespace

QString NodeDragFormat() {
    return QStringLiteral("application/x-tickvane-node");
}

QMimeData* NodeDrag(const StockTree& tree, int node) {
    auto* data = new QMimeData;
    data->setData(NodeDragFormat(), ownerOf(tree) + ' ' + QByteArray::number(node));
    return data;
}

int DraggedNode(const StockTree& tree, const QMimeData& data) {
    const QByteArray carried = data.data(NodeDragFormat());
    const qsizetype end = carried.lastIndexOf(' ');
    return end > 0 && carried.left(end) == ownerOf(tree) ? carried.mid(end + 1).toInt() : 0;
}

void ConnectTreeDrops(StockTree& tree, Model& model, UndoHistory& history, CommandGuard& guard) {
    QObject::connect(&tree, &StockTree::dropped, &guard, [&](const DropMove& move) {
        guard.run([&] {
            //: The name of the step in the Edit menu, as in "Undo Drag and drop".
            const QString text = QCoreApplication::translate("TreeDrop", "Drag and drop");
            const TreeSelection& dragged = move.dragged;
            history.push(dragged.isType() ? MoveTypeStep(model, tree, text, dragged.type, move.to)
                                          : MoveStockStep(model, tree, text, dragged.stock, move.to,
                                                          move.place));
            tree.WebTree_GiveFocus();
        });
    });
}

#include "ui/window/StockTree.h"

#include "model/StockSearch.h"
#include "ui/kit/TreeSelection.h"

#include <QApplication>
#include <QDrag>
#include <QDropEvent>
#include <QHeaderView>
#include <QKeyEvent>
#include <QMimeData>

namespace {
// A list at full capacity has one node per type and per stock.
constexpr int MaxNodes = TypeCapacity + StockCapacity;

// A node holds its number and its one line of text itself: a refill of a full list would
// otherwise store both in the item's table of values, node by node, and every read of the
// number would search it.
class NumberedNode : public QTreeWidgetItem {
  public:
    NumberedNode(QTreeWidgetItem* parent, const QString& text, int number)
        : QTreeWidgetItem(parent, UserType), text_(text), number_(number) {}
    int number() const { return number_; }

    QVariant data(int column, int role) const override {
        if (column == 0 && (role == Qt::DisplayRole || role == Qt::EditRole)) {
            return text_;
        }
        return QTreeWidgetItem::data(column, role);
    }

  private:
    const QString text_;
    const int number_;
};
}  // namespace

StockTree::StockTree(Model& model, QWidget* parent)
    : QTreeWidget(parent),
      model_(model),
      nodeTypes_(MaxNodes + 1, -1),
      nodeStocks_(MaxNodes + 1, -1) {
    setObjectName(QStringLiteral("WebTree"));
    setAccessibleName(tr("Stocks"));
    setHeaderHidden(true);
    setColumnCount(1);
    setItemsExpandable(false);  // types cannot be collapsed, so they show no expand marker
    setRootIsDecorated(false);
    // Every row is one line of text in the same font: the tree then lays out a full list
    // without measuring each row.
    setUniformRowHeights(true);
    setSelectionMode(QAbstractItemView::SingleSelection);
    setDragDropMode(QAbstractItemView::InternalMove);
    connect(this, &QTreeWidget::itemCollapsed, this,
            [this](QTreeWidgetItem* item) { expandItem(item); });
    connect(this, &QTreeWidget::itemDoubleClicked, this, [this] { Q_EMIT editRequested(); });
}

QTreeWidgetItem* StockTree::addNode(QTreeWidgetItem* parent, const QString& text, qint16 type,
                                    qint16 stock) {
    auto* item = new NumberedNode(parent, text, ++nodeCount_);
    nodeTypes_[nodeCount_] = type;
    nodeStocks_[nodeCount_] = stock;
    return item;
}

void StockTree::Fill_tree(qint16 seltype, qint16 selstock) {
    setUpdatesEnabled(false);
    removeAllNodes();
    StockList& list = model_.list;
    QTreeWidgetItem* selected = nullptr;
    // The nodes are made apart from the tree and given to it at once: the tree's model hears
    // of one insertion rather than of each node and each of its texts.
    QList<QTreeWidgetItem*> typeNodes;
    for (qint16 t = 0; t <= list.Maxtypes; ++t) {
        const TypeRecord& type = list.types[t];
        QTreeWidgetItem* typeNode = typeNodes.emplace_back(addNode(nullptr, type.Type, t, -1));
        if (t == seltype) {
            selected = typeNode;
        }
        for (qint16 s = type.Lowstock; s <= type.Histock; ++s) {
            QTreeWidgetItem* stockNode = addNode(typeNode, list.stocks[s].Description, -1, s);
            // Else expandAll() expands each stock too and keeps a lasting index of it, which
            // the next refill must update.
            stockNode->setFlags(stockNode->flags() | Qt::ItemNeverHasChildren);
            list.StockTypeIndex[s] = t;
            if (s == selstock) {
                selected = stockNode;
            }
        }
    }
    addTopLevelItems(typeNodes);
    expandAll();
    if (selected) {
        setCurrentItem(selected);
    }
    setUpdatesEnabled(true);
}

void StockTree::removeAllNodes() {
    clear();
    nodeCount_ = 0;
}

void StockTree::WebTree_GiveFocus() {
    if (QTreeWidgetItem* item = currentItem()) {
        scrollToItem(item);
    }
    setFocus(Qt::OtherFocusReason);
}

int StockTree::nodeNumber(const QTreeWidgetItem* item) {
    // Every node of the tree is made by addNode; anything else has no number.
    return item && item->type() == QTreeWidgetItem::UserType
               ? static_cast<const NumberedNode*>(item)->number()
               : 0;
}

int StockTree::selectedNode() const {
    const QTreeWidgetItem* item = currentItem();
    return item && item->isSelected() ? nodeNumber(item) : 0;
}

TreeSelection StockTree::nodeItem(int node) const {
    if (node == 0) {
        return {};
    }
    if (const qint16 type = nodeTypes_[node]; type >= 0) {
        return {TreeSelection::Kind::Type, type, -1};
    }
    const qint16 stock = nodeStocks_[node];
    return {TreeSelection::Kind::Stock, model_.list.StockTypeIndex[stock], stock};
}

TreeSelection StockTree::selection() const {
    return nodeItem(selectedNode());
}

QTreeWidgetItem* StockTree::stockNode(qint16 stock) const {
    const qint16 type = model_.list.StockTypeIndex[stock];
    return topLevelItem(type)->child(stock - model_.list.types[type].Lowstock);
}

void StockTree::keyPressEvent(QKeyEvent* event) {
    // The keypad's Delete counts too; Shift, Ctrl or Alt with it do nothing.
    if (event->key() == Qt::Key_Delete &&
        (event->modifiers() & ~Qt::KeypadModifier) == Qt::NoModifier) {
        Q_EMIT deleteRequested();
        return;
    }
    if (event->matches(QKeySequence::Paste)) {
        Q_EMIT pasteRequested();
        return;
    }
    QTreeWidget::keyPressEvent(event);
}

QItemSelectionModel::SelectionFlags StockTree::selectionCommand(const QModelIndex& index,
                                                                const QEvent* event) const {
    // The commands act on the selected node, so the user cannot unselect it: a click on empty
    // space or a Ctrl+click on the selected node leaves the selection as it was.
    const auto command = QTreeWidget::selectionCommand(index, event);
    if (!index.isValid() || command.testFlag(QItemSelectionModel::Deselect)) {
        return QItemSelectionModel::NoUpdate;
    }
    return command;
}

void StockTree::keyboardSearch(const QString& search) {
    if (search.isEmpty() || model_.list.Maxstocks < 0) {
        return;
    }
    // As Qt's own search: keys typed in quick succession add up; a new text, or the same key
    // again and again, looks beyond the selected node.
    const bool goesOn =
        typedAt_.isValid() && typedAt_.elapsed() <= QApplication::keyboardInputInterval();
    typedAt_.start();
    typed_ = goesOn ? typed_ + search : search;
    const bool sameKey = typed_.count(typed_.back()) == typed_.size();
    const qint16 start = StockBelow(selection(), model_.list, goesOn && !sameKey);
    const qint16 found =
        FindStock(model_.list, sameKey ? typed_.left(1) : typed_, MatchRule::Prefix, start, +1);
    if (found >= 0) {
        setCurrentItem(stockNode(found));
    }
}

QStringList StockTree::mimeTypes() const {
    return {NodeDragFormat()};
}

QMimeData* StockTree::mimeData(const QList<QTreeWidgetItem*>& items) const {
    return items.size() == 1 ? NodeDrag(*this, nodeNumber(items.first())) : nullptr;
}

std::optional<DropMove> StockTree::plannedDrop(const QMimeData& data, const QTreeWidgetItem* parent,
                                               int row) const {
    const int dragged = DraggedNode(*this, data);
    if (dragged == 0) {
        return std::nullopt;
    }
    return PlanDrop(model_.list, nodeItem(dragged), nodeItem(nodeNumber(parent)), row);
}

bool StockTree::dropMimeData(QTreeWidgetItem* parent, int index, const QMimeData* data,
                             Qt::DropAction) {
    const std::optional<DropMove> move = plannedDrop(*data, parent, index);
    if (move) {
        Q_EMIT dropped(*move);
    }
    return move.has_value();
}

void StockTree::startDrag(Qt::DropActions) {
    QTreeWidgetItem* item = currentItem();
    if (!item) {
        return;
    }
    auto* drag = new QDrag(this);
    drag->setMimeData(mimeData({item}));
    drag->exec(Qt::MoveAction);
}

void StockTree::dragMoveEvent(QDragMoveEvent* event) {
    QTreeWidget::dragMoveEvent(event);
    if (!event->isAccepted()) {
        return;
    }
    // Where the drop indicator points, as the model is told on the drop.
    QTreeWidgetItem* at = itemAt(event->position().toPoint());
    QTreeWidgetItem* parent = at ? at->parent() : nullptr;
    const int row = at ? (parent ? parent->indexOfChild(at) : indexOfTopLevelItem(at)) : 0;
    std::optional<DropMove> move;
    switch (dropIndicatorPosition()) {
        case AboveItem:
            move = plannedDrop(*event->mimeData(), parent, row);
            break;
        case BelowItem:
            move = plannedDrop(*event->mimeData(), parent, row + 1);
            break;
        case OnItem:
            move = plannedDrop(*event->mimeData(), at, at->childCount());
            break;
        case OnViewport:
            move = plannedDrop(*event->mimeData(), nullptr, topLevelItemCount());
            break;
    }
    if (!move) {
        event->ignore();  // the forbidden cursor
    }
}

void StockTree::dropEvent(QDropEvent* event) {
    // Past QTreeWidget, which would move the nodes itself: the model hands the drop to
    // dropMimeData, whose move refills the tree.
    QTreeView::dropEvent(event);
}

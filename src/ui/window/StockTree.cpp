#include "ui/window/StockTree.h"

#include <QHeaderView>
#include <QKeyEvent>

namespace {
constexpr int NodeNumberRole = Qt::UserRole;
// A list at full capacity has one node per type and per stock.
constexpr int MaxNodes = TypeCapacity + StockCapacity;
}  // namespace

StockTree::StockTree(Model& model, QWidget* parent)
    : QTreeWidget(parent),
      model_(model),
      nodeTypes_(MaxNodes + 1, -1),
      nodeStocks_(MaxNodes + 1, -1) {
    setObjectName(QStringLiteral("WebTree"));
    setHeaderHidden(true);
    setColumnCount(1);
    setItemsExpandable(false);  // types cannot be collapsed, so they show no expand marker
    setRootIsDecorated(false);
    setSelectionMode(QAbstractItemView::SingleSelection);
    connect(this, &QTreeWidget::itemCollapsed, this,
            [this](QTreeWidgetItem* item) { expandItem(item); });
    connect(this, &QTreeWidget::itemDoubleClicked, this, [this] { Q_EMIT editRequested(); });
}

QTreeWidgetItem* StockTree::addNode(QTreeWidgetItem* parent, const QString& text, qint16 type,
                                    qint16 stock) {
    auto* item = parent ? new QTreeWidgetItem(parent) : new QTreeWidgetItem(this);
    item->setText(0, text);
    item->setData(0, NodeNumberRole, ++nodeCount_);
    nodeTypes_[nodeCount_] = type;
    nodeStocks_[nodeCount_] = stock;
    return item;
}

void StockTree::Fill_tree(qint16 seltype, qint16 selstock) {
    setUpdatesEnabled(false);
    removeAllNodes();
    StockList& list = model_.list;
    QTreeWidgetItem* selected = nullptr;
    for (qint16 t = 0; t <= list.Maxtypes; ++t) {
        const TypeRecord& type = list.types[t];
        QTreeWidgetItem* typeNode = addNode(nullptr, type.Type, t, -1);
        if (t == seltype) {
            selected = typeNode;
        }
        for (qint16 s = type.Lowstock; s <= type.Histock; ++s) {
            QTreeWidgetItem* stockNode = addNode(typeNode, list.stocks[s].Description, -1, s);
            list.StockTypeIndex[s] = t;
            if (s == selstock) {
                selected = stockNode;
            }
        }
    }
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

int StockTree::selectedNode() const {
    const QTreeWidgetItem* item = currentItem();
    return item && item->isSelected() ? item->data(0, NodeNumberRole).toInt() : 0;
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

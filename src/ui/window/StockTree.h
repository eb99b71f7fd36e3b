#pragma once

#include "model/Model.h"
#include "ui/kit/StockView.h"
#include "ui/window/TreeDrop.h"

#include <QElapsedTimer>
#include <QTreeWidget>
#include <optional>
#include <vector>

// The tree of types and stocks: one top-level node per type, its stocks beneath. Nodes are
// numbered 1, 2, 3... in display order; the node maps turn a node into a type or stock index.
// The tree is never edited node by node: every change of the list refills it. A node dragged
// with the mouse is dropped through the tree's model, which asks for the move it makes;
// typing jumps to the next stock whose symbol or description starts with the typed text.
class StockTree : public QTreeWidget, public StockView {
    Q_OBJECT
  public:
    explicit StockTree(Model& model, QWidget* parent = nullptr);

    // Also rebuilds the node maps and the list's StockTypeIndex.
    void Fill_tree(qint16 seltype, qint16 selstock) override;
    // Removes every node (clearing the settings empties the tree without a refill).
    void removeAllNodes();
    void WebTree_GiveFocus() override;
    TreeSelection selection() const override;

    // The selected node's number, or 0 when no node is selected.
    int selectedNode() const;
    // The node that shows stock `stock`.
    QTreeWidgetItem* stockNode(qint16 stock) const;
    // -1 for a stock node.
    qint16 NodeTypeIndex(int node) const { return nodeTypes_[node]; }
    // -1 for a type node.
    qint16 NodeStockIndex(int node) const { return nodeStocks_[node]; }

  Q_SIGNALS:
    void editRequested();                // double click on a node
    void deleteRequested();              // the Delete key without modifiers
    void pasteRequested();               // Ctrl+V (and the desktop's other paste keys)
    void dropped(const DropMove& move);  // a node dropped where it changes the list

  protected:
    void keyPressEvent(QKeyEvent* event) override;
    QItemSelectionModel::SelectionFlags selectionCommand(
        const QModelIndex& index, const QEvent* event = nullptr) const override;
    void keyboardSearch(const QString& search) override;
    QStringList mimeTypes() const override;
    QMimeData* mimeData(const QList<QTreeWidgetItem*>& items) const override;
    bool dropMimeData(QTreeWidgetItem* parent, int index, const QMimeData* data,
                      Qt::DropAction action) override;
    void startDrag(Qt::DropActions supportedActions) override;
    void dragMoveEvent(QDragMoveEvent* event) override;
    void dropEvent(QDropEvent* event) override;

  private:
    QTreeWidgetItem* addNode(QTreeWidgetItem* parent, const QString& text, qint16 type,
                             qint16 stock);
    static int nodeNumber(const QTreeWidgetItem* item);
    // Reads node `node` through the node maps; Kind::None for node 0.
    TreeSelection nodeItem(int node) const;
    // The move a drop of `data` at row `row` among the children of `parent` (null: among the
    // types) makes.
    std::optional<DropMove> plannedDrop(const QMimeData& data, const QTreeWidgetItem* parent,
                                        int row) const;

    Model& model_;
    int nodeCount_ = 0;
    std::vector<qint16> nodeTypes_;
    std::vector<qint16> nodeStocks_;
    // The text typed so far and when its last key came.
    QString typed_;
    QElapsedTimer typedAt_;
};

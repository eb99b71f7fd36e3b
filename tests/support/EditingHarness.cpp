#include "support/EditingHarness.h"

#include "model/StockListOps.h"
#include "ui/window/TreeDrop.h"

#include <QMimeData>
#include <QStringList>
#include <memory>

void BuildList(Model& model, const QString& text) {
    model.list = StockList{};
    const QStringList types = text.split(u'|', Qt::SkipEmptyParts);
    for (const QString& type : types) {
        const qint16 t = AppendType(model, type.section(u':', 0, 0));
        const QStringList stocks = type.section(u':', 1).split(u',', Qt::SkipEmptyParts);
        for (const QString& description : stocks) {
            Add_Stock(model, t, StockNamed(description));
        }
    }
    RebuildStockTypeIndex(model.list);
    model.SettingsChanged = false;
}

StockRecord StockNamed(const QString& description) {
    StockRecord stock;
    stock.Stock = description.toUpper();
    stock.Description = description;
    return stock;
}

QString DescribeList(const StockList& list) {
    QStringList types;
    for (qint16 t = 0; t <= list.Maxtypes; ++t) {
        QStringList stocks;
        for (qint16 s = list.types[t].Lowstock; s <= list.types[t].Histock; ++s) {
            stocks.append(list.stocks[s].Description);
        }
        types.append(list.types[t].Type + u':' + stocks.join(u','));
    }
    return types.join(u'|');
}

static QModelIndex IndexOf(const QTreeWidget& tree, QTreeWidgetItem* item) {
    QTreeWidgetItem* parent = item->parent();
    return parent ? tree.model()->index(parent->indexOfChild(item), 0, IndexOf(tree, parent))
                  : tree.model()->index(tree.indexOfTopLevelItem(item), 0);
}

bool DropNode(QTreeWidget& tree, QTreeWidgetItem* dragged, QTreeWidgetItem* onto, int row) {
    QAbstractItemModel& nodes = *tree.model();
    const std::unique_ptr<QMimeData> data(nodes.mimeData({IndexOf(tree, dragged)}));
    return nodes.dropMimeData(data.get(), Qt::MoveAction, row, row < 0 ? -1 : 0,
                              onto ? IndexOf(tree, onto) : QModelIndex());
}

EditingHarness::EditingHarness(const QString& list) {
    BuildList(model, list);
    tree.Fill_tree(-1, -1);
    ConnectTreeDrops(tree, model, history, guard);
}

void EditingHarness::select(const QString& text) {
    if (text.isEmpty()) {
        tree.setCurrentItem(nullptr);
        tree.clearSelection();
        return;
    }
    const auto found = tree.findItems(text, Qt::MatchExactly | Qt::MatchRecursive);
    Q_ASSERT(found.size() == 1);
    tree.setCurrentItem(found.first());
}

QString EditingHarness::selected() const {
    const QTreeWidgetItem* item = tree.currentItem();
    return item && item->isSelected() ? item->text(0) : QString();
}

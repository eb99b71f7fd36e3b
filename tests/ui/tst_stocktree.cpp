#include "model/Model.h"
#include "ui/StockTree.h"

#include <QSignalSpy>
#include <QTest>

// The tree's node numbering, node maps and selection after a refill, and its key and mouse
// handling.
class StockTreeTest : public QObject {
    Q_OBJECT
  private:
    Model model;

    // Types "A" (stocks 0, 1), "Empty" (none), "C" (stock 2).
    void useListWithEmptyType() {
        StockList& list = model.list;
        list.Maxtypes = 2;
        list.Maxstocks = 2;
        list.types[0] = {QStringLiteral("A"), 0, 1};
        list.types[1] = {QStringLiteral("Empty"), 2, 1};
        list.types[2] = {QStringLiteral("C"), 2, 2};
        for (int s = 0; s <= 2; ++s) {
            list.stocks[s] = {};
            list.stocks[s].Description = QStringLiteral("s%1").arg(s);
        }
    }

    static QString nodeText(StockTree& tree, int node) {
        int number = 0;
        for (int t = 0; t < tree.topLevelItemCount(); ++t) {
            QTreeWidgetItem* type = tree.topLevelItem(t);
            if (++number == node) {
                return type->text(0);
            }
            for (int c = 0; c < type->childCount(); ++c) {
                if (++number == node) {
                    return type->child(c)->text(0);
                }
            }
        }
        return {};
    }

  private Q_SLOTS:
    void init() {
        ApplyDefaults(model);
        DefaultStockList(model);
    }

    void defaultListNumbersNodesInDisplayOrder() {
        StockTree tree(model);
        tree.Fill_tree(0, -1);
        const QStringList texts{"Market Indices",  "Dow Industrials",   "S&P 500",      "NASDAQ",
                                "Internet Stocks", "America Online",    "IBM",          "Microsoft",
                                "Mutual Funds",    "Fidelity Magellan", "Janus 20 Fund"};
        QCOMPARE(tree.nodeCount(), int(texts.size()));
        for (int node = 1; node <= tree.nodeCount(); ++node) {
            QCOMPARE(nodeText(tree, node), texts[node - 1]);
            const qint16 type = node == 1 ? 0 : node == 5 ? 1 : node == 9 ? 2 : -1;
            QCOMPARE(tree.NodeTypeIndex(node), type);
            QCOMPARE(tree.NodeStockIndex(node) == -1, type != -1);
        }
        QCOMPARE(tree.NodeStockIndex(6), qint16(3));
        QCOMPARE(tree.NodeStockIndex(11), qint16(7));
        QCOMPARE(model.list.StockTypeIndex[5], qint16(1));
    }

    void selectionAfterRefill_data() {
        QTest::addColumn<qint16>("seltype");
        QTest::addColumn<qint16>("selstock");
        QTest::addColumn<int>("selected");
        QTest::newRow("first type") << qint16(0) << qint16(-1) << 1;
        QTest::newRow("last type") << qint16(2) << qint16(-1) << 9;
        QTest::newRow("stock IBM") << qint16(-1) << qint16(4) << 7;
        QTest::newRow("last stock") << qint16(-1) << qint16(7) << 11;
        QTest::newRow("type before the first") << qint16(-1) << qint16(-1) << 0;
        QTest::newRow("type beyond the list") << qint16(3) << qint16(-1) << 0;
        QTest::newRow("stock beyond the list") << qint16(-1) << qint16(8) << 0;
        QTest::newRow("both: the later node wins") << qint16(0) << qint16(4) << 7;
    }

    void selectionAfterRefill() {
        QFETCH(qint16, seltype);
        QFETCH(qint16, selstock);
        QFETCH(int, selected);
        StockTree tree(model);
        tree.Fill_tree(1, 5);  // an earlier selection must not survive the refill
        tree.Fill_tree(seltype, selstock);
        QCOMPARE(tree.selectedNode(), selected);
    }

    void typeWithoutStocksIsALeaf() {
        useListWithEmptyType();
        StockTree tree(model);
        tree.Fill_tree(1, -1);
        QCOMPARE(tree.nodeCount(), 6);
        QCOMPARE(tree.selectedNode(), 4);
        QCOMPARE(tree.topLevelItem(1)->childCount(), 0);
        QCOMPARE(tree.NodeTypeIndex(5), qint16(2));
        QCOMPARE(tree.NodeStockIndex(6), qint16(2));
        QCOMPARE(model.list.StockTypeIndex[2], qint16(2));
    }

    void emptyListGivesEmptyTree() {
        StockTree tree(model);
        tree.Fill_tree(0, -1);
        model.list.Maxtypes = model.list.Maxstocks = -1;
        tree.Fill_tree(0, -1);
        QCOMPARE(tree.nodeCount(), 0);
        QCOMPARE(tree.topLevelItemCount(), 0);
        QCOMPARE(tree.selectedNode(), 0);
        tree.WebTree_GiveFocus();
        QCOMPARE(tree.selectedNode(), 0);
    }

    void fullListUsesEveryNodeNumber() {
        StockList& list = model.list;
        list.Maxtypes = TypeCapacity - 1;
        list.Maxstocks = StockCapacity - 1;
        for (int t = 0; t < TypeCapacity; ++t) {
            list.types[t] = {QString::number(t), qint16(t * 10), qint16(t * 10 + 9)};
        }
        list.types[TypeCapacity - 1].Histock = StockCapacity - 1;
        StockTree tree(model);
        tree.Fill_tree(-1, StockCapacity - 1);
        QCOMPARE(tree.nodeCount(), TypeCapacity + StockCapacity);
        QCOMPARE(tree.selectedNode(), TypeCapacity + StockCapacity);
        QCOMPARE(tree.NodeStockIndex(tree.nodeCount()), qint16(StockCapacity - 1));
    }

    void typesCannotBeCollapsed_data() {
        QTest::addColumn<int>("key");  // 0: collapsed by the program
        QTest::newRow("collapseItem") << 0;
        QTest::newRow("Left") << int(Qt::Key_Left);
        QTest::newRow("Minus") << int(Qt::Key_Minus);
    }

    void typesCannotBeCollapsed() {
        QFETCH(int, key);
        StockTree tree(model);
        tree.Fill_tree(1, -1);
        QTreeWidgetItem* type = tree.topLevelItem(1);
        if (key == 0) {
            tree.collapseItem(type);
        } else {
            QTest::keyClick(&tree, Qt::Key(key));
        }
        QVERIFY(type->isExpanded());
        QCOMPARE(type->childCount(), 3);
    }

    void deleteKey_data() {
        QTest::addColumn<int>("key");
        QTest::addColumn<Qt::KeyboardModifiers>("modifiers");
        QTest::addColumn<int>("requests");
        QTest::newRow("Delete") << int(Qt::Key_Delete) << Qt::KeyboardModifiers() << 1;
        QTest::newRow("keypad Delete")
            << int(Qt::Key_Delete) << Qt::KeyboardModifiers(Qt::KeypadModifier) << 1;
        QTest::newRow("Ctrl+Delete")
            << int(Qt::Key_Delete) << Qt::KeyboardModifiers(Qt::ControlModifier) << 0;
        QTest::newRow("Shift+Delete")
            << int(Qt::Key_Delete) << Qt::KeyboardModifiers(Qt::ShiftModifier) << 0;
        QTest::newRow("Alt+Delete")
            << int(Qt::Key_Delete) << Qt::KeyboardModifiers(Qt::AltModifier) << 0;
        QTest::newRow("Backspace") << int(Qt::Key_Backspace) << Qt::KeyboardModifiers() << 0;
    }

    void deleteKey() {
        QFETCH(int, key);
        QFETCH(Qt::KeyboardModifiers, modifiers);
        QFETCH(int, requests);
        StockTree tree(model);
        tree.Fill_tree(0, -1);
        QSignalSpy deletes(&tree, &StockTree::deleteRequested);
        QTest::keyClick(&tree, Qt::Key(key), modifiers);
        QCOMPARE(deletes.size(), requests);
    }

    void doubleClickAsksForEdit() {
        StockTree tree(model);
        tree.Fill_tree(0, -1);
        tree.resize(300, 300);
        tree.show();
        QVERIFY(QTest::qWaitForWindowExposed(&tree));
        QSignalSpy edits(&tree, &StockTree::editRequested);
        const QRect ibm = tree.visualItemRect(tree.topLevelItem(1)->child(1));
        // A double click is a click followed by the second press of the double click.
        QTest::mouseClick(tree.viewport(), Qt::LeftButton, {}, ibm.center());
        QTest::mouseDClick(tree.viewport(), Qt::LeftButton, {}, ibm.center());
        QCOMPARE(edits.size(), 1);
        QCOMPARE(tree.selectedNode(), 7);
        QVERIFY(tree.topLevelItem(1)->isExpanded());
    }
};

QTEST_MAIN(StockTreeTest)
#include "tst_stocktree.moc"

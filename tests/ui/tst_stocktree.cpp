#include "model/Model.h"
#include "support/EditingHarness.h"
#include "ui/window/StockTree.h"

#include <QApplication>
#include <QSignalSpy>
#include <QTest>

// The tree's node numbering, node maps and selection after a refill, and its key and mouse
// handling.
class StockTreeTest : public QObject {
    Q_OBJECT
  private:
    Model model;

  private Q_SLOTS:
    void init() {
        ApplyDefaults(model, QString());
        DefaultStockList(model);
    }

    void selectionAfterRefill_data() {
        QTest::addColumn<qint16>("seltype");
        QTest::addColumn<qint16>("selstock");
        QTest::addColumn<int>("selected");
        QTest::newRow("last type") << qint16(2) << qint16(-1) << 9;
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

    // Neither the Left key on the selected type nor the program collapses a type.
    void typesCannotBeCollapsed() {
        StockTree tree(model);
        tree.Fill_tree(1, -1);
        QTest::keyClick(&tree, Qt::Key_Left);
        tree.collapseItem(tree.topLevelItem(2));
        QVERIFY(tree.topLevelItem(1)->isExpanded() && tree.topLevelItem(2)->isExpanded());
        QCOMPARE(tree.topLevelItem(1)->childCount(), 3);
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

    // While the tree has nodes, one stays selected: the commands act on it.
    void clicksKeepANodeSelected_data() {
        QTest::addColumn<bool>("onEmptySpace");  // else Ctrl+click on the selected node
        QTest::newRow("click on empty space") << true;
        QTest::newRow("Ctrl+click on the selected node") << false;
    }

    void clicksKeepANodeSelected() {
        QFETCH(bool, onEmptySpace);
        StockTree tree(model);
        tree.Fill_tree(-1, 4);
        tree.resize(300, 400);
        tree.show();
        QVERIFY(QTest::qWaitForWindowExposed(&tree));
        const QRect ibm = tree.visualItemRect(tree.currentItem());
        if (onEmptySpace) {
            QTest::mouseClick(tree.viewport(), Qt::LeftButton, {}, QPoint(150, 380));
        } else {
            QTest::mouseClick(tree.viewport(), Qt::LeftButton, Qt::ControlModifier, ibm.center());
        }
        QCOMPARE(tree.selectedNode(), 7);
    }

    // Typing selects the next stock whose symbol or description starts with the typed text;
    // keys typed quickly add up, the same key again goes on to the next match, a pause (a
    // blank here) starts afresh below the selected stock.
    void typingFindsAStock_data() {
        QTest::addColumn<QString>("keys");
        QTest::addColumn<QString>("selected");
        QTest::newRow("a first letter") << QString("i") << QString("ibm");
        QTest::newRow("letters add up") << QString("in") << QString("intel");
        QTest::newRow("in capitals") << QString("INT") << QString("intel");
        QTest::newRow("the same key goes on") << QString("iii") << QString("ing");
        QTest::newRow("and round the end") << QString("iiii") << QString("ibm");
        QTest::newRow("a pause starts afresh") << QString("i n") << QString("nvda");
        QTest::newRow("no match") << QString("x") << QString("A");
    }

    void typingFindsAStock() {
        QFETCH(QString, keys);
        QFETCH(QString, selected);
        BuildList(model, QStringLiteral("A:ibm,intel|B:ing,nvda"));
        StockTree tree(model);
        tree.Fill_tree(0, -1);
        QApplication::setKeyboardInputInterval(100);  // short pauses
        for (const QString& burst : keys.split(u' ')) {
            QTest::qWait(QApplication::keyboardInputInterval() + 50);
            QTest::keyClicks(&tree, burst);
        }
        QCOMPARE(tree.currentItem()->text(0), selected);
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

#include "model/Limits.h"
#include "model/StockListOps.h"
#include "support/EditingHarness.h"
#include "ui/StockEditor.h"
#include "ui/TypeChangeDialog.h"
#include "ui/TypeSetter.h"

#include <QComboBox>
#include <QLineEdit>
#include <QPushButton>
#include <QRandomGenerator>
#include <QTest>
#include <QTreeWidgetItemIterator>

namespace {
using Command = void (EditCommands::*)();

Command commandNamed(const QString& name) {
    static const QHash<QString, Command> commands{
        {QStringLiteral("MoveUp"), &EditCommands::MoveUp},
        {QStringLiteral("MoveDown"), &EditCommands::MoveDown},
        {QStringLiteral("Edit"), &EditCommands::Edit},
        {QStringLiteral("ChangeType"), &EditCommands::ChangeType},
        {QStringLiteral("AddStock"), &EditCommands::AddStock},
        {QStringLiteral("AddType"), &EditCommands::AddType},
        {QStringLiteral("Delete"), &EditCommands::Delete},
    };
    return commands.value(name);
}

const QString DefaultList = QStringLiteral(
    "Market Indices:Dow Industrials,S&P 500,NASDAQ|"
    "Internet Stocks:America Online,IBM,Microsoft|"
    "Mutual Funds:Fidelity Magellan,Janus 20 Fund");
const QString TypeHasStocks =
    QStringLiteral("Please delete or move stocks under this type before deleting type");

// A list of `types` types whose last one holds `stocks` stocks.
void BuildLargeList(Model& model, int types, int stocks) {
    BuildList(model, QString());
    for (int t = 0; t < types; ++t) {
        AppendType(model, QStringLiteral("T%1").arg(t));
    }
    for (int s = 0; s < stocks; ++s) {
        StockRecord stock;
        stock.Stock = QStringLiteral("S%1").arg(s);
        stock.Description = stock.Stock;
        Add_Stock(model, model.list.Maxtypes, stock);
    }
}

// The tree shows exactly the list, and its node maps agree with it.
bool TreeAgreesWithList(const StockTree& tree, const StockList& list, QString* problem) {
    int node = 0;
    qint16 type = -1;
    qint16 stock = -1;
    for (QTreeWidgetItemIterator it(const_cast<StockTree*>(&tree)); *it; ++it) {
        ++node;
        const bool isType = (*it)->parent() == nullptr;
        const qint16 index = isType ? ++type : ++stock;
        const QString expected = isType ? list.types[index].Type : list.stocks[index].Description;
        if (tree.NodeTypeIndex(node) != (isType ? index : -1) ||
            tree.NodeStockIndex(node) != (isType ? -1 : index) || (*it)->text(0) != expected ||
            (!isType && list.StockTypeIndex[index] != type)) {
            *problem = QStringLiteral("node %1 (%2) disagrees with the list")
                           .arg(node)
                           .arg((*it)->text(0));
            return false;
        }
    }
    if (node != tree.nodeCount() || node != list.typeCount() + list.stockCount()) {
        *problem = QStringLiteral("%1 nodes for %2 types and %3 stocks")
                       .arg(node)
                       .arg(list.typeCount())
                       .arg(list.stockCount());
        return false;
    }
    return true;
}
}  // namespace

class EditCommandsTest : public QObject {
    Q_OBJECT
  private Q_SLOTS:
    void movesAndDeletes_data() {
        QTest::addColumn<QString>("list");
        QTest::addColumn<QString>("command");
        QTest::addColumn<QString>("node");
        QTest::addColumn<QString>("after");
        QTest::addColumn<QString>("selectedAfter");
        QTest::addColumn<int>("beeps");
        QTest::addColumn<bool>("changed");

        const QString abc = QStringLiteral("A:a1,a2,a3|B:|C:c1,c2");
        QTest::newRow("delete the only stock selects its type") << "A:a1|B:b1"
                                                                << "Delete"
                                                                << "a1"
                                                                << "A:|B:b1"
                                                                << "A" << 0 << true;
        QTest::newRow("delete the first of several selects the next") << abc << "Delete"
                                                                      << "a1"
                                                                      << "A:a2,a3|B:|C:c1,c2"
                                                                      << "a2" << 0 << true;
        QTest::newRow("delete the first of a later type selects the next") << abc << "Delete"
                                                                           << "c1"
                                                                           << "A:a1,a2,a3|B:|C:c2"
                                                                           << "c2" << 0 << true;
        QTest::newRow("delete a middle stock selects the one above") << abc << "Delete"
                                                                     << "a2"
                                                                     << "A:a1,a3|B:|C:c1,c2"
                                                                     << "a1" << 0 << true;
        QTest::newRow("delete the last stock of the list") << abc << "Delete"
                                                           << "c2"
                                                           << "A:a1,a2,a3|B:|C:c1"
                                                           << "c1" << 0 << true;
        QTest::newRow("delete an empty type selects the one above") << abc << "Delete"
                                                                    << "B"
                                                                    << "A:a1,a2,a3|C:c1,c2"
                                                                    << "A" << 0 << true;
        QTest::newRow("delete empty type 0 selects nothing") << "A:|B:b1"
                                                             << "Delete"
                                                             << "A"
                                                             << "B:b1"
                                                             << "" << 0 << true;
        QTest::newRow("delete the only type") << "A:"
                                              << "Delete"
                                              << "A"
                                              << ""
                                              << "" << 0 << true;
        QTest::newRow("delete a type with stocks is refused") << abc << "Delete"
                                                              << "C" << abc << "C" << 1 << false;

        QTest::newRow("up a stock") << abc << "MoveUp"
                                    << "a3"
                                    << "A:a1,a3,a2|B:|C:c1,c2"
                                    << "a3" << 0 << true;
        QTest::newRow("up the first stock of a type stays in it")
            << abc << "MoveUp"
            << "c1" << abc << "c1" << 1 << true;
        QTest::newRow("up a type over an empty one") << abc << "MoveUp"
                                                     << "C"
                                                     << "A:a1,a2,a3|C:c1,c2|B:"
                                                     << "C" << 0 << true;
        QTest::newRow("up an empty type") << abc << "MoveUp"
                                          << "B"
                                          << "B:|A:a1,a2,a3|C:c1,c2"
                                          << "B" << 0 << true;
        QTest::newRow("up the second type of the starter list")
            << DefaultList << "MoveUp"
            << "Internet Stocks"
            << "Internet Stocks:America Online,IBM,Microsoft|"
               "Market Indices:Dow Industrials,S&P 500,NASDAQ|"
               "Mutual Funds:Fidelity Magellan,Janus 20 Fund"
            << "Internet Stocks" << 0 << true;
        QTest::newRow("up type 0") << abc << "MoveUp"
                                   << "A" << abc << "A" << 1 << true;

        QTest::newRow("down a stock") << abc << "MoveDown"
                                      << "c1"
                                      << "A:a1,a2,a3|B:|C:c2,c1"
                                      << "c1" << 0 << true;
        QTest::newRow("down the last stock of a type stays in it")
            << abc << "MoveDown"
            << "a3" << abc << "a3" << 1 << true;
        QTest::newRow("down a type") << "A:a1,a2|B:b1,b2,b3"
                                     << "MoveDown"
                                     << "A"
                                     << "B:b1,b2,b3|A:a1,a2"
                                     << "A" << 0 << true;
        QTest::newRow("down the last type") << abc << "MoveDown"
                                            << "C" << abc << "C" << 1 << true;
    }

    void movesAndDeletes() {
        QFETCH(QString, list);
        QFETCH(QString, command);
        QFETCH(QString, node);
        QFETCH(QString, after);
        QFETCH(QString, selectedAfter);
        QFETCH(int, beeps);
        QFETCH(bool, changed);

        EditingHarness h(list);
        h.select(node);
        (h.commands.*commandNamed(command))();

        QCOMPARE(h.list(), after);
        QVERIFY(CheckInvariants(h.model.list));
        QCOMPARE(h.selected(), selectedAfter);
        QCOMPARE(h.platform.beeps, beeps);
        QCOMPARE(h.model.SettingsChanged, changed);
        QCOMPARE(h.platform.messages.size(), beeps > 0 && command == "Delete" ? 1 : 0);
        if (!h.platform.messages.isEmpty()) {
            QCOMPARE(h.platform.lastMessage(), TypeHasStocks);
        }
    }

    // A tree with nodes but no selection: the commands that need one only beep.
    void noSelectionOnlyBeeps_data() {
        QTest::addColumn<QString>("command");
        for (const char* name :
             {"MoveUp", "MoveDown", "Edit", "ChangeType", "AddStock", "Delete"}) {
            QTest::newRow(name) << QString::fromLatin1(name);
        }
    }

    void noSelectionOnlyBeeps() {
        QFETCH(QString, command);
        EditingHarness h(QStringLiteral("A:a1|B:"));
        h.select(QString());
        (h.commands.*commandNamed(command))();
        QCOMPARE(h.platform.beeps, 1);
        QVERIFY(h.platform.messages.isEmpty());
        QVERIFY(!h.commands.editorOpen());
        QCOMPARE(h.list(), QStringLiteral("A:a1|B:"));
        QVERIFY(!h.model.SettingsChanged);
    }

    void emptyList_data() {
        QTest::addColumn<QString>("command");
        QTest::addColumn<int>("beeps");
        QTest::addColumn<QString>("message");
        for (const char* name : {"MoveUp", "MoveDown", "Edit", "ChangeType", "Delete"}) {
            QTest::newRow(name) << QString::fromLatin1(name) << 1 << QString();
        }
        QTest::newRow("AddStock") << "AddStock" << 0
                                  << "You must define at least one type before adding stocks";
    }

    void emptyList() {
        QFETCH(QString, command);
        QFETCH(int, beeps);
        QFETCH(QString, message);
        EditingHarness h;
        (h.commands.*commandNamed(command))();
        QCOMPARE(h.platform.beeps, beeps);
        QCOMPARE(h.platform.lastMessage(), message);
        QVERIFY(!h.commands.editorOpen());
        QVERIFY(!h.model.SettingsChanged);
    }

    void addTypeToEmptyListCreatesTypeZero() {
        EditingHarness h;
        h.commands.AddType();
        TypeSetter& dialog = h.commands.typeSetter();
        QVERIFY(dialog.isVisible());
        dialog.findChild<QLineEdit*>(QStringLiteral("Header"))->setText(QStringLiteral("Funds"));
        dialog.Done_Click();
        QCOMPARE(h.list(), QStringLiteral("Funds:"));
        QCOMPARE(h.model.list.types[0].Lowstock, qint16(0));
        QCOMPARE(h.model.list.types[0].Histock, qint16(-1));
        QCOMPARE(h.selected(), QStringLiteral("Funds"));
    }

    void limits_data() {
        QTest::addColumn<int>("types");
        QTest::addColumn<int>("stocks");
        QTest::addColumn<QString>("command");
        QTest::addColumn<QString>("refusal");

        const QString types = QStringLiteral(
            "Sorry, you have reached the (arbitrary) limit of 100 types.  If this limit is a "
            "problem, please contact the author.");
        const QString stocks = QStringLiteral(
            "Sorry, you have reached the (arbitrary) limit of 1000 stocks.  If this limit is a "
            "problem, please contact the author.");
        QTest::newRow("99 types: one more") << 99 << 0 << "AddType" << QString();
        QTest::newRow("100 types: refused") << 100 << 0 << "AddType" << types;
        QTest::newRow("stored 101 types: refused") << 101 << 0 << "AddType" << types;
        QTest::newRow("999 stocks: one more") << 1 << 999 << "AddStock" << QString();
        QTest::newRow("1000 stocks: refused") << 1 << 1000 << "AddStock" << stocks;
        QTest::newRow("stored 1001 stocks: refused") << 1 << 1001 << "AddStock" << stocks;
    }

    void limits() {
        QFETCH(int, types);
        QFETCH(int, stocks);
        QFETCH(QString, command);
        QFETCH(QString, refusal);

        EditingHarness h;
        BuildLargeList(h.model, types, stocks);
        h.tree.Fill_tree(0, -1);
        (h.commands.*commandNamed(command))();

        QCOMPARE(h.platform.lastMessage(), refusal);
        QCOMPARE(h.commands.editorOpen(), refusal.isEmpty());
        if (!refusal.isEmpty()) {
            return;
        }
        if (command == "AddType") {
            h.commands.typeSetter()
                .findChild<QLineEdit*>(QStringLiteral("Header"))
                ->setText(QStringLiteral("Last"));
            h.commands.typeSetter().Done_Click();
        } else {
            StockEditor& editor = h.commands.stockEditor();
            editor.findChild<QLineEdit*>(QStringLiteral("SymbDef"))->setText(QStringLiteral("X"));
            editor.findChild<QLineEdit*>(QStringLiteral("Descrip"))->setText(QStringLiteral("X"));
            editor.Done_Click();
        }
        QVERIFY(!h.commands.editorOpen());
        QCOMPARE(h.model.list.typeCount() + h.model.list.stockCount(), types + stocks + 1);
        QVERIFY(CheckInvariants(h.model.list));
    }

    // The window's buttons, the tree's double click and its Delete key reach the commands.
    void connectedToTheWindow() {
        QWidget window;
        EditingHarness h(QStringLiteral("A:a1,a2|B:"));
        for (const char* name :
             {"MoveUp", "MoveDown", "Edit", "ChangeType", "AddStock", "AddType", "Delete"}) {
            auto* button = new QPushButton(&window);
            button->setObjectName(QString::fromLatin1(name));
            button->setEnabled(false);
        }
        ConnectEditCommands(window, h.tree, h.commands);
        for (auto* button : window.findChildren<QPushButton*>()) {
            QVERIFY2(button->isEnabled(), qPrintable(button->objectName()));
        }

        h.select(QStringLiteral("a2"));
        window.findChild<QPushButton*>(QStringLiteral("MoveUp"))->click();
        QCOMPARE(h.list(), QStringLiteral("A:a2,a1|B:"));
        QTest::keyClick(&h.tree, Qt::Key_Delete, Qt::ControlModifier);
        QCOMPARE(h.list(), QStringLiteral("A:a2,a1|B:"));
        QTest::keyClick(&h.tree, Qt::Key_Delete);
        QCOMPARE(h.list(), QStringLiteral("A:a1|B:"));
        Q_EMIT h.tree.itemDoubleClicked(h.tree.currentItem(), 0);
        QVERIFY(h.commands.stockEditor().isVisible());
    }

    void randomSession() {
        const quint32 seed = QRandomGenerator::global()->generate();
        qInfo("seed %u", seed);
        QRandomGenerator random(seed);
        EditingHarness h(randomList(random));
        const QStringList commands{"MoveUp",   "MoveDown", "Edit",  "ChangeType",
                                   "AddStock", "AddType",  "Delete"};
        for (int step = 0; step < 400; ++step) {
            selectRandomNode(h, random);
            const QString command = commands[random.bounded(commands.size())];
            const int stocksBefore = h.model.list.stockCount();
            const int typesBefore = h.model.list.typeCount();
            (h.commands.*commandNamed(command))();
            answerDialogs(h, random, step);

            const QString where =
                QStringLiteral("step %1 (%2), seed %3").arg(step).arg(command).arg(seed);
            QVERIFY2(!h.commands.editorOpen(), qPrintable(where));
            QString problem;
            QVERIFY2(CheckInvariants(h.model.list, &problem), qPrintable(where + u' ' + problem));
            QVERIFY2(TreeAgreesWithList(h.tree, h.model.list, &problem),
                     qPrintable(where + u' ' + problem));
            const int stockDelta = h.model.list.stockCount() - stocksBefore;
            const int typeDelta = h.model.list.typeCount() - typesBefore;
            QVERIFY2(stockDelta == 0 || (command == "AddStock" && stockDelta == 1) ||
                         (command == "Delete" && stockDelta == -1),
                     qPrintable(where));
            QVERIFY2(typeDelta == 0 || (command == "AddType" && typeDelta == 1) ||
                         (command == "Delete" && typeDelta == -1),
                     qPrintable(where));
        }
    }

  private:
    static QString randomList(QRandomGenerator& random) {
        QStringList types;
        const int typeCount = random.bounded(6);
        for (int t = 0; t < typeCount; ++t) {
            QStringList stocks;
            const int stockCount = random.bounded(5);
            for (int s = 0; s < stockCount; ++s) {
                stocks.append(QStringLiteral("s%1.%2").arg(t).arg(s));
            }
            types.append(QStringLiteral("t%1:").arg(t) + stocks.join(u','));
        }
        return types.join(u'|');
    }

    static void selectRandomNode(EditingHarness& h, QRandomGenerator& random) {
        QList<QTreeWidgetItem*> nodes;
        for (QTreeWidgetItemIterator it(&h.tree); *it; ++it) {
            nodes.append(*it);
        }
        if (nodes.isEmpty() || random.bounded(10) == 0) {
            h.select(QString());
        } else {
            h.tree.setCurrentItem(nodes[random.bounded(nodes.size())]);
        }
    }

    // Answers whichever dialog the command opened: Done with random input, or Cancel.
    static void answerDialogs(EditingHarness& h, QRandomGenerator& random, int step) {
        const QString name = QStringLiteral("n%1").arg(step);
        if (StockEditor& editor = h.commands.stockEditor(); editor.isVisible()) {
            const bool blank = random.bounded(8) == 0;
            editor.findChild<QLineEdit*>(QStringLiteral("SymbDef"))->setText(blank ? " " : "x");
            editor.findChild<QLineEdit*>(QStringLiteral("Descrip"))->setText(name);
            auto* picker = editor.findChild<QComboBox*>(QStringLiteral("TypePicker"));
            if (picker->isEnabled() && random.bounded(2)) {
                picker->setCurrentIndex(random.bounded(picker->count()));
            }
            finish(editor, random);
        }
        if (TypeSetter& setter = h.commands.typeSetter(); setter.isVisible()) {
            setter.findChild<QLineEdit*>(QStringLiteral("Header"))
                ->setText(random.bounded(6) == 0 ? QStringLiteral("  ") : name);
            finish(setter, random);
        }
        if (TypeChangeDialog& changer = h.commands.typeChanger(); changer.isVisible()) {
            auto* types = changer.findChild<QComboBox*>(QStringLiteral("TypeChanger"));
            types->setCurrentIndex(random.bounded(types->count()));
            finish(changer, random);
        }
    }

    // Done or Cancel; a Done the dialog refuses is followed by Cancel.
    static void finish(ListEditorDialog& dialog, QRandomGenerator& random) {
        if (random.bounded(5) > 0) {
            dialog.Done_Click();
        }
        if (dialog.isVisible()) {
            dialog.reject();
        }
    }
};

QTEST_MAIN(EditCommandsTest)
#include "tst_editcommands.moc"

#include "model/Limits.h"
#include "model/StockListOps.h"
#include "model/StockOrder.h"
#include "support/DataRows.h"
#include "support/EditingHarness.h"
#include "support/TestSeed.h"
#include "ui/lists/StockEditor.h"
#include "ui/lists/TypeChangeDialog.h"
#include "ui/lists/TypeNameDialog.h"
#include "ui/undo/UndoSteps.h"

#include <QComboBox>
#include <QLineEdit>
#include <QPushButton>
#include <QRandomGenerator>
#include <QTest>
#include <QTreeWidgetItemIterator>
#include <algorithm>

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

const QString TypeHasStocks =
    QStringLiteral("Please delete or move stocks under this type before deleting type");

// Adds types, then stocks round the types, until the list holds `types` and `stocks`; each
// addition a step of the history when `steps` holds.
void GrowList(EditingHarness& h, int types, int stocks, bool steps) {
    Model& model = h.model;
    while (model.list.typeCount() < types) {
        const QString name = QStringLiteral("T%1").arg(model.list.typeCount());
        steps ? h.history.push(AddTypeStep(model, h.tree, name)) : void(AppendType(model, name));
    }
    for (int s = model.list.stockCount(); s < stocks; ++s) {
        const auto type = qint16(s % model.list.typeCount());
        const QString name = QStringLiteral("S%1").arg(s);
        steps ? h.history.push(AddStockStep(model, h.tree, model.list.types[type].Histock + 1, type,
                                            StockNamed(name)))
              : void(Add_Stock(model, type, StockNamed(name)));
    }
}

// Every type's name and range and every stock's seven fields, as far as the lists use them.
bool SameList(const StockList& a, const StockList& b) {
    return a.Maxtypes == b.Maxtypes && a.Maxstocks == b.Maxstocks &&
           std::equal(a.types.begin(), a.types.begin() + a.typeCount(), b.types.begin()) &&
           std::equal(a.stocks.begin(), a.stocks.begin() + a.stockCount(), b.stocks.begin());
}

// The tree shows exactly the list, and its node maps agree with it.
bool TreeAgreesWithList(const StockTree& tree, const StockList& list, QString* problem) {
    int node = 0;
    qint16 type = -1;
    qint16 stock = -1;
    for (QTreeWidgetItemIterator it(const_cast<StockTree*>(&tree)); *it; ++it) {
        const bool isType = (*it)->parent() == nullptr;
        const qint16 index = isType ? ++type : ++stock;
        const QString expected = isType ? list.types[index].Type : list.stocks[index].Description;
        *problem = QStringLiteral("node %1 (%2) disagrees with the list").arg(++node).arg(expected);
        if (tree.NodeTypeIndex(node) != (isType ? index : -1) ||
            tree.NodeStockIndex(node) != (isType ? -1 : index) || (*it)->text(0) != expected ||
            (!isType && list.StockTypeIndex[index] != type)) {
            return false;
        }
    }
    *problem = QStringLiteral("%1 nodes for %2 types and %3 stocks")
                   .arg(node)
                   .arg(list.typeCount())
                   .arg(list.stockCount());
    return node == list.typeCount() + list.stockCount();
}

// A plain copy of the list: each type's name with its stocks' descriptions, in order.
struct RefType {
    QString name;
    QStringList stocks;
};
using Reference = QList<RefType>;

Reference referenceOf(const QString& described) {
    Reference reference;
    for (const QString& type : described.split(u'|', Qt::SkipEmptyParts)) {
        reference.append(
            {type.section(u':', 0, 0), type.section(u':', 1).split(u',', Qt::SkipEmptyParts)});
    }
    return reference;
}

QString describe(const Reference& reference) {
    QStringList types;
    for (const RefType& type : reference) {
        types << type.name + u':' + type.stocks.join(u',');
    }
    return types.join(u'|');
}

// Runs `command` and answers the dialog it opens: `input` is the type name typed, or the
// index of the type picked; "cancel" cancels. A stock entered gets `description`. The command
// `behind` runs meanwhile on the same node, as if it had slipped past the open dialog.
void run(EditingHarness& h, const QString& command, const QString& input,
         const QString& description = QStringLiteral("new"), const QString& behind = {}) {
    (h.commands.*commandNamed(command))();
    if (!behind.isEmpty()) {
        (h.commands.*commandNamed(behind))();
    }
    if (TypeNameDialog& setter = h.commands.typeNameDialog(); setter.isVisible()) {
        setter.findChild<QLineEdit*>(QStringLiteral("Header"))->setText(input);
    }
    if (TypeChangeDialog& changer = h.commands.typeChanger(); changer.isVisible()) {
        changer.findChild<QComboBox*>(QStringLiteral("TypeChanger"))
            ->setCurrentIndex(input.toInt());
    }
    if (StockEditor& editor = h.commands.stockEditor(); editor.isVisible()) {
        editor.findChild<QLineEdit*>(QStringLiteral("SymbDef"))->setText(description.toUpper());
        editor.findChild<QLineEdit*>(QStringLiteral("Descrip"))->setText(description);
        auto* picker = editor.findChild<QComboBox*>(QStringLiteral("TypePicker"));
        if (picker->isEnabled() && !input.isEmpty() && input != "cancel") {
            picker->setCurrentIndex(input.toInt());
        }
    }
    for (ModelDialog* dialog : {static_cast<ModelDialog*>(&h.commands.stockEditor()),
                                static_cast<ModelDialog*>(&h.commands.typeNameDialog()),
                                static_cast<ModelDialog*>(&h.commands.typeChanger())}) {
        if (dialog->isVisible()) {
            input == "cancel" ? dialog->reject() : dialog->Done_Click();
        }
    }
}
}  // namespace

// The editing commands on a tree of their own: worked examples and refusals, the add limits,
// the wiring to the window, and a randomised session at every capacity. (The editors' own
// fields are driven by tests/data/dialogscripts.txt.)
class EditCommandsTest : public QObject {
    Q_OBJECT
  private Q_SLOTS:
    // Worked examples of each command on a small list, with the dialog it opens answered:
    // `input` is the type name typed, or the index of the type picked; "cancel" cancels.
    void workedExamples_data() { AddDataRows(QStringLiteral("editexamples.txt")); }

    void workedExamples() {
        QFETCH(QString, list);
        QFETCH(QString, command);
        QFETCH(QString, node);
        QFETCH(QString, input);
        QFETCH(QString, after);
        QFETCH(QString, selectedAfter);
        QFETCH(QString, beeps);
        QFETCH(QString, message);
        QFETCH(QString, behind);
        QFETCH(QString, step);
        QFETCH(QString, selectedAfterUndo);
        EditingHarness h(list);
        h.tree.show();
        QVERIFY(QTest::qWaitForWindowActive(&h.tree));
        h.select(node);
        h.tree.clearFocus();
        run(h, command, input, QStringLiteral("new"), behind);

        QVERIFY(!h.commands.editorOpen());
        QCOMPARE(h.list(), after);
        QString problem;
        QVERIFY2(TreeAgreesWithList(h.tree, h.model.list, &problem), qPrintable(problem));
        QCOMPARE(h.selected(), selectedAfter);
        QCOMPARE(h.platform.beeps, beeps.toInt());
        // A refused move of a selected node, or a change behind a dialog, still counts as a
        // change; other refusals and a cancel do not.
        const bool refused = beeps != "0" || !message.isEmpty();
        const bool moved = (command.startsWith("Move") && !node.isEmpty()) || !behind.isEmpty();
        QCOMPARE(h.model.SettingsChanged, input != "cancel" && (!refused || moved));
        QCOMPARE(h.platform.lastMessage(), message);
        // The keyboard focus goes back to the tree, where the arrow keys move through the list.
        QTRY_VERIFY(h.tree.hasFocus());

        // A change is one step, which undo takes back and redo makes again.
        QUndoStack& history = h.history.stack();
        QCOMPARE(history.undoText(), step);
        history.undo();
        QCOMPARE(h.list(), list);
        QCOMPARE(h.selected(), selectedAfterUndo);
        history.redo();
        QCOMPARE(h.list(), after);
        QCOMPARE(h.selected(), selectedAfter);
    }

    // Each button, the tree's double click and its Delete key reach their own command: the
    // outcome is the list, or the dialog that opened.
    void connectedToTheWindow() {
        const std::pair<const char*, const char*> cases[] = {
            {"MoveUp", "A:a2,a1,a3"},  {"MoveDown", "A:a1,a3,a2"}, {"Delete", "A:a1,a3"},
            {"Edit", "NewStock A2"},   {"AddStock", "NewStock "},  {"ChangeType", "Change_Type"},
            {"AddType", "TypeSetter"}, {"", "NewStock A2"},        {"key", "A:a1,a3"}};
        for (const auto& [trigger, outcome] : cases) {
            QWidget window;
            EditingHarness h(QStringLiteral("A:a1,a2,a3"));
            for (const char* name :
                 {"MoveUp", "MoveDown", "Edit", "ChangeType", "AddStock", "AddType", "Delete"}) {
                auto* button = new QPushButton(&window);
                button->setObjectName(QString::fromLatin1(name));
                button->setEnabled(false);
            }
            ConnectEditCommands(window, h.tree, h.commands, h.guard);
            h.select(QStringLiteral("a2"));
            if (!*trigger) {
                Q_EMIT h.tree.editRequested();
            } else if (qstrcmp(trigger, "key") == 0) {
                Q_EMIT h.tree.deleteRequested();
            } else {
                window.findChild<QPushButton*>(QString::fromLatin1(trigger))->click();
            }
            QString shown = h.list();
            for (QDialog* editor : {static_cast<QDialog*>(&h.commands.stockEditor()),
                                    static_cast<QDialog*>(&h.commands.typeNameDialog()),
                                    static_cast<QDialog*>(&h.commands.typeChanger())}) {
                if (editor->isVisible()) {
                    shown = editor->objectName();
                }
            }
            if (shown == "NewStock") {
                shown += u' ' + h.commands.stockEditor().findChild<QLineEdit*>("SymbDef")->text();
            }
            QCOMPARE(shown, QString::fromLatin1(outcome));
        }
    }

    // A node dragged with the mouse and dropped through the tree's model: the list after the
    // drop, with the dragged node selected, or the drop refused and nothing changed. A drop is
    // one step and marks the settings changed.
    void treeDrops_data() { AddDataRows(QStringLiteral("treedrops.txt")); }

    void treeDrops() {
        QFETCH(QString, list);
        QFETCH(QString, dragged);
        QFETCH(QString, onto);
        QFETCH(QString, row);
        QFETCH(QString, after);
        QFETCH(QString, selected);
        EditingHarness h(list);
        h.select(dragged);
        const auto node = [&h](const QString& text) {
            return text.isEmpty()
                       ? nullptr
                       : h.tree.findItems(text, Qt::MatchExactly | Qt::MatchRecursive)[0];
        };
        const bool refused = after == "refused";
        QCOMPARE(DropNode(h.tree, node(dragged), node(onto), row == "on" ? -1 : row.toInt()),
                 !refused);
        QCOMPARE(h.list(), refused ? list : after);
        QCOMPARE(h.selected(), selected);
        QCOMPARE(h.model.SettingsChanged, !refused);
        h.history.stack().undo();
        QCOMPARE(h.list(), list);
    }

    // The last stock and the last type the add commands allow, and the next ones, refused with
    // the message.
    void addLimits_data() {
        QTest::addColumn<QString>("command");
        QTest::addColumn<int>("before");  // stocks or types in the list
        QTest::addColumn<bool>("added");
        QTest::newRow("stock 1000 added") << "AddStock" << StockAddLimit - 1 << true;
        QTest::newRow("stock 1001 refused") << "AddStock" << int(StockAddLimit) << false;
        QTest::newRow("type 100 added") << "AddType" << TypeAddLimit - 1 << true;
        QTest::newRow("type 101 refused") << "AddType" << int(TypeAddLimit) << false;
    }

    void addLimits() {
        QFETCH(QString, command);
        QFETCH(int, before);
        QFETCH(bool, added);
        const bool stocks = command == "AddStock";
        EditingHarness h(QStringLiteral("A:"));
        GrowList(h, stocks ? 1 : before, stocks ? before : 0, false);
        h.tree.Fill_tree(0, -1);
        run(h, command, stocks ? QString() : QStringLiteral("new"));
        const StockList& list = h.model.list;
        QCOMPARE(stocks ? list.stockCount() : list.typeCount(), before + int(added));
        const QString limit = stocks ? StockLimitMessage() : TypeLimitMessage();
        QCOMPARE(h.platform.lastMessage(), added ? QString() : limit);
    }

    // Random commands on random nodes against a plain reference list: the list keeps its
    // invariants, the tree shows it, and the flag marks every change. At and one past the
    // limits the list is filled up again before each command, so every command meets it full.
    // Sorts and drops, whose rules have tables of their own, join in without a reference. In
    // the end, undoing every step gives back the list the session started from exactly, and
    // redoing them all its last list.
    void randomSession_data() {
        QTest::addColumn<int>("types");  // kept at least this many
        QTest::addColumn<int>("stocks");
        QTest::newRow("small lists") << 0 << 0;
        QTest::newRow("99 types, 999 stocks") << TypeAddLimit - 1 << StockAddLimit - 1;
        QTest::newRow("100 types, 1000 stocks") << int(TypeAddLimit) << int(StockAddLimit);
        QTest::newRow("101 types, 1001 stocks") << int(TypeCapacity) << int(StockCapacity);
    }

    void randomSession() {
        QFETCH(int, types);
        QFETCH(int, stocks);
        const quint32 seed = TestSeed();
        QRandomGenerator random(seed);
        EditingHarness h(QStringLiteral("A:a1,a2|B:|C:c1"));
        GrowList(h, types, stocks, false);
        h.tree.Fill_tree(-1, -1);
        const StockList start = h.model.list;
        const QStringList commands{"MoveUp",  "MoveDown", "Edit", "ChangeType", "AddStock",
                                   "AddType", "Delete",   "Sort", "Drop"};
        for (int step = 0; step < (types > 0 ? 120 : 600); ++step) {
            GrowList(h, types, stocks, true);
            h.model.SettingsChanged = false;
            h.platform.messages.clear();
            Reference expected = referenceOf(h.list());
            const QString command = commands[expected.isEmpty() ? 5 : random.bounded(9)];
            QString said;
            const bool changes = command == "Sort" || command == "Drop"
                                     ? rearrange(h, command == "Sort", random, expected)
                                     : runRandomCommand(h, command, expected, random, step, &said);
            QString problem;
            const QString where =
                QStringLiteral("step %1 (%2), seed %3: ").arg(step).arg(command).arg(seed);
            QVERIFY2(!h.commands.editorOpen(), qPrintable(where));
            QVERIFY2(CheckInvariants(h.model.list, &problem) &&
                         TreeAgreesWithList(h.tree, h.model.list, &problem),
                     qPrintable(where + problem));
            QVERIFY2(
                h.list() == describe(expected),
                qPrintable(where + h.list() + QStringLiteral(", expected ") + describe(expected)));
            QVERIFY2(h.model.SettingsChanged == changes, qPrintable(where));
            QVERIFY2(h.platform.lastMessage() == said,
                     qPrintable(where + h.platform.lastMessage()));
        }
        const StockList end = h.model.list;
        QUndoStack& history = h.history.stack();
        const QString seeded = QStringLiteral("seed %1: ").arg(seed);
        QString problem;
        while (history.canUndo()) {
            history.undo();
        }
        QVERIFY2(SameList(h.model.list, start) && TreeAgreesWithList(h.tree, start, &problem),
                 qPrintable(seeded + QStringLiteral("undone: ") + problem));
        while (history.canRedo()) {
            history.redo();
        }
        QVERIFY2(SameList(h.model.list, end) && TreeAgreesWithList(h.tree, end, &problem),
                 qPrintable(seeded + QStringLiteral("redone: ") + problem));
    }

  private:
    // Sorts a random type by a random key, or drops a random node at a random place; the
    // reference takes the result. Returns whether the list changed.
    static bool rearrange(EditingHarness& h, bool sort, QRandomGenerator& random, Reference& ref) {
        std::vector<QTreeWidgetItem*> nodes;
        for (QTreeWidgetItemIterator it(&h.tree); *it; ++it) {
            nodes.push_back(*it);
        }
        const auto type = qint16(random.bounded(int(ref.size())));
        const auto key = random.bounded(2) ? SortKey::Symbol : SortKey::Description;
        const std::vector<qint16> order = SortedOrder(h.model.list, type, key);
        QTreeWidgetItem* onto =
            random.bounded(3) ? nodes[random.bounded(int(nodes.size()))] : nullptr;
        const int rows = onto ? onto->childCount() : h.tree.topLevelItemCount();
        const bool changed = sort ? !std::is_sorted(order.begin(), order.end())
                                  : DropNode(h.tree, nodes[random.bounded(int(nodes.size()))], onto,
                                             random.bounded(rows + 2) - 1);
        if (sort && changed) {
            h.history.push(SortStep(h.model, h.tree, QStringLiteral("Sort"), type, order));
        }
        ref = referenceOf(h.list());
        return changed;
    }

    // Runs `command` on a random node, answering its dialog with Done, and makes the same
    // change to `ref`. Returns whether the command marks the settings changed.
    static bool runRandomCommand(EditingHarness& h, const QString& command, Reference& ref,
                                 QRandomGenerator& random, int step, QString* said) {
        const int types = int(ref.size());
        const int t = types > 0 ? int(random.bounded(types)) : -1;
        QStringList* stocks = t < 0 ? nullptr : &ref[t].stocks;
        const int i = t < 0 ? -1 : int(random.bounded(int(stocks->size()) + 1)) - 1;  // -1: type
        QTreeWidgetItem* type = t < 0 ? nullptr : h.tree.topLevelItem(t);
        h.tree.setCurrentItem(i < 0 ? type : type->child(i));
        const int to = random.bounded(2) || t < 0 ? t : int(random.bounded(types));
        const QString name = QStringLiteral("n%1").arg(step);
        const bool typesFull = TypeLimitReached(h.model.list);
        const bool stocksFull = StockLimitReached(h.model.list);
        const bool onType = command == "AddType" || (command == "Edit" && i < 0);
        run(h, command, onType ? name : QString::number(to), name);
        const int by = command == "MoveUp" ? -1 : 1;
        if (command.startsWith(QLatin1String("Move"))) {
            if (i >= 0 && i + by >= 0 && i + by < stocks->size()) {
                stocks->swapItemsAt(i, i + by);
            } else if (i < 0 && t + by >= 0 && t + by < types) {
                ref.swapItemsAt(t, t + by);
            }
            return true;  // even when the move is refused
        }
        if (command == "Edit") {
            (i < 0 ? ref[t].name : (*stocks)[i]) = name;
        } else if (command == "ChangeType") {
            if (i < 0) {
                return false;
            }
            if (to != t) {
                ref[to].stocks.append(stocks->takeAt(i));
            }
        } else if (command == "AddStock") {
            if (stocksFull) {
                *said = StockLimitMessage();
                return false;
            }
            // Below the selected stock, or first in a type picked or selected.
            ref[to].stocks.insert(to == t ? i + 1 : 0, name);
        } else if (command == "AddType") {
            if (typesFull) {
                *said = TypeLimitMessage();
                return false;
            }
            ref.append({name, {}});
        } else if (i >= 0) {
            stocks->removeAt(i);
        } else if (stocks->isEmpty()) {
            ref.removeAt(t);
        } else {
            *said = TypeHasStocks;
            return false;
        }
        return true;
    }
};

QTEST_MAIN(EditCommandsTest)
#include "tst_editcommands.moc"

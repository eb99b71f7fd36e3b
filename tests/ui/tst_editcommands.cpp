#include "model/Limits.h"
#include "model/StockListOps.h"
#include "support/EditingHarness.h"
#include "support/TestSeed.h"
#include "ui/lists/StockEditor.h"
#include "ui/lists/TypeChangeDialog.h"
#include "ui/lists/TypeSetter.h"

#include <QAbstractItemView>
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

const QString TypeHasStocks =
    QStringLiteral("Please delete or move stocks under this type before deleting type");

// Adds types, then stocks round the types, until the list holds `types` and `stocks`.
void GrowList(Model& model, int types, int stocks) {
    while (model.list.typeCount() < types) {
        AppendType(model, QStringLiteral("T%1").arg(model.list.typeCount()));
    }
    for (int s = model.list.stockCount(); s < stocks; ++s) {
        StockRecord stock;
        stock.Stock = QStringLiteral("S%1").arg(s);
        stock.Description = stock.Stock;
        Add_Stock(model, qint16(s % model.list.typeCount()), stock);
    }
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
    return node == tree.nodeCount() && node == list.typeCount() + list.stockCount();
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

QLineEdit* field(StockEditor& editor, const char* name) {
    return editor.findChild<QLineEdit*>(QString::fromLatin1(name));
}

QComboBox* picker(StockEditor& editor) {
    return editor.findChild<QComboBox*>(QStringLiteral("TypePicker"));
}

void enterStock(StockEditor& editor, const QString& symbol, const QString& description) {
    field(editor, "SymbDef")->setText(symbol);
    field(editor, "Descrip")->setText(description);
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
    if (TypeSetter& setter = h.commands.typeSetter(); setter.isVisible()) {
        setter.findChild<QLineEdit*>(QStringLiteral("Header"))->setText(input);
    }
    if (TypeChangeDialog& changer = h.commands.typeChanger(); changer.isVisible()) {
        changer.findChild<QComboBox*>(QStringLiteral("TypeChanger"))
            ->setCurrentIndex(input.toInt());
    }
    if (StockEditor& editor = h.commands.stockEditor(); editor.isVisible()) {
        enterStock(editor, description.toUpper(), description);
        if (picker(editor)->isEnabled() && !input.isEmpty() && input != "cancel") {
            picker(editor)->setCurrentIndex(input.toInt());
        }
    }
    for (ModelDialog* dialog : {static_cast<ModelDialog*>(&h.commands.stockEditor()),
                                     static_cast<ModelDialog*>(&h.commands.typeSetter()),
                                     static_cast<ModelDialog*>(&h.commands.typeChanger())}) {
        if (dialog->isVisible()) {
            input == "cancel" ? dialog->reject() : dialog->Done_Click();
        }
    }
}
}  // namespace

// The editing commands on a tree of their own: worked examples and refusals, the stock
// editor's fields, the wiring to the window, and a randomised session at every capacity.
class EditCommandsTest : public QObject {
    Q_OBJECT
  private Q_SLOTS:
    // Worked examples of each command on a small list, with the dialog it opens answered:
    // `input` is the type name typed, or the index of the type picked; "cancel" cancels.
    void workedExamples_data() {
        QTest::addColumn<QString>("list");
        QTest::addColumn<QString>("command");
        QTest::addColumn<QString>("node");
        QTest::addColumn<QString>("input");
        QTest::addColumn<QString>("after");
        QTest::addColumn<QString>("selectedAfter");
        QTest::addColumn<int>("beeps");
        QTest::addColumn<QString>("message");
        QTest::addColumn<QString>("behind");
        const QString abc = QStringLiteral("A:a1,a2,a3|B:|C:c1,c2");
        const auto row = [](const char* name, const QString& list, const char* command,
                            const char* node, const QString& after, const char* selected,
                            int beeps = 0, const char* input = "", const QString& message = {},
                            const char* behind = "") {
            QTest::newRow(name) << list << command << node << input << after << selected << beeps
                                << message << behind;
        };
        // Commands that cannot act beep or say why and change nothing.
        for (const char* name :
             {"MoveUp", "MoveDown", "Edit", "ChangeType", "AddStock", "Delete"}) {
            row(qPrintable(name + QStringLiteral(", nothing selected")), "A:a1|B:", name, "",
                "A:a1|B:", "", 1);
            row(qPrintable(name + QStringLiteral(", empty list")), "", name, "", "", "",
                qstrcmp(name, "AddStock") != 0, "",
                qstrcmp(name, "AddStock") != 0
                    ? QString()
                    : QStringLiteral("You must define at least one type before adding stocks"));
        }
        row("ChangeType on a type", "A:a1|B:", "ChangeType", "B", "A:a1|B:", "B", 1);
        row("delete the only stock selects its type", "A:a1|B:b1", "Delete", "a1", "A:|B:b1", "A");
        row("delete the first of several selects the next", abc, "Delete", "c1",
            "A:a1,a2,a3|B:|C:c2", "c2");
        row("delete another stock selects the one above", abc, "Delete", "a2", "A:a1,a3|B:|C:c1,c2",
            "a1");
        row("delete an empty type selects the one above", abc, "Delete", "B", "A:a1,a2,a3|C:c1,c2",
            "A");
        row("delete empty type 0 selects nothing", "A:|B:b1", "Delete", "A", "B:b1", "");
        row("delete a type with stocks is refused", abc, "Delete", "C", abc, "C", 1, "",
            TypeHasStocks);
        row("up a stock", abc, "MoveUp", "a3", "A:a1,a3,a2|B:|C:c1,c2", "a3");
        row("up the first stock of a type stays in it", abc, "MoveUp", "c1", abc, "c1", 1);
        row("up type 0", abc, "MoveUp", "A", abc, "A", 1);
        row("down a stock", abc, "MoveDown", "c1", "A:a1,a2,a3|B:|C:c2,c1", "c1");
        row("down the last stock of a type stays in it", abc, "MoveDown", "a3", abc, "a3", 1);
        row("down a type", "A:a1,a2|B:b1,b2,b3", "MoveDown", "A", "B:b1,b2,b3|A:a1,a2", "A");
        row("down the last type", abc, "MoveDown", "C", abc, "C", 1);
        row("new type after the stocks, trimmed", "A:a1|B:b1", "AddType", "",
            "A:a1|B:b1|Bonds:", "Bonds", 0, "  Bonds  ");
        row("blank new type", "A:a1", "AddType", "", "A:a1", "", 0, "   ");
        row("rename, trimmed", "A:a1|B:", "Edit", "B", "A:a1|Bonds:", "Bonds", 0, " Bonds");
        row("rename to blanks", "A:a1|B:", "Edit", "A", "A:a1|B:", "A", 0, " ");
        row("rename cancelled", "A:a1|B:", "Edit", "A", "A:a1|B:", "A", 0, "cancel");
        row("to a later type", abc, "ChangeType", "a2", "A:a1,a3|B:|C:c1,c2,a2", "a2", 0, "2");
        row("own type", abc, "ChangeType", "a1", abc, "a1", 0, "0");
        row("change cancelled", abc, "ChangeType", "a1", abc, "a1", 0, "cancel");
        // The new stock goes below the selected one, or first in the type picked.
        const QString abcd = QStringLiteral("A:a1,a2|B:|C:c1,c2|D:d1");
        row("add below the selected stock", abcd, "AddStock", "a1", "A:a1,new,a2|B:|C:c1,c2|D:d1",
            "new");
        row("add to another type picked", abcd, "AddStock", "a1", "A:a1,a2|B:|C:new,c1,c2|D:d1",
            "new", 0, "2");
        row("add to its own type picked again", abcd, "AddStock", "a1",
            "A:a1,new,a2|B:|C:c1,c2|D:d1", "new", 0, "0");
        row("add cancelled", abcd, "AddStock", "a1", abcd, "a1", 0, "cancel");
        // A list changed behind an open dialog, where the dialog was filled from, is left alone.
        const QString changed =
            QStringLiteral("The list changed while this dialog was open; nothing was changed.");
        row("edit, the stock moved", abc, "Edit", "a2", "A:a2,a1,a3|B:|C:c1,c2", "a2", 0, "",
            changed, "MoveUp");
        row("change type, the stock deleted", abc, "ChangeType", "a1", "A:a2,a3|B:|C:c1,c2", "a2",
            0, "2", changed, "Delete");
        row("new type, a type deleted", abc, "AddType", "B", "A:a1,a2,a3|C:c1,c2", "A", 0, "X",
            changed, "Delete");
    }

    void workedExamples() {
        QFETCH(QString, list);
        QFETCH(QString, command);
        QFETCH(QString, node);
        QFETCH(QString, input);
        QFETCH(QString, after);
        QFETCH(QString, selectedAfter);
        QFETCH(int, beeps);
        QFETCH(QString, message);
        QFETCH(QString, behind);
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
        QCOMPARE(h.platform.beeps, beeps);
        // A refused move of a selected node, or a change behind a dialog, still counts as a
        // change; other refusals and a cancel do not.
        const bool refused = beeps > 0 || !message.isEmpty();
        const bool moved = (command.startsWith("Move") && !node.isEmpty()) || !behind.isEmpty();
        QCOMPARE(h.model.SettingsChanged, input != "cancel" && (!refused || moved));
        QCOMPARE(h.platform.lastMessage(), message);
        // The keyboard focus goes back to the tree, where the arrow keys move through the list.
        QTRY_VERIFY(h.tree.hasFocus());
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
                                    static_cast<QDialog*>(&h.commands.typeSetter()),
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

    // Random commands on random nodes against a plain reference list: the list keeps its
    // invariants, the tree shows it, and the flag marks every change. At and one past the
    // limits the list is filled up again before each command, so every command meets it full.
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
        const QStringList commands{"MoveUp",   "MoveDown", "Edit",  "ChangeType",
                                   "AddStock", "AddType",  "Delete"};
        for (int step = 0; step < (types > 0 ? 120 : 600); ++step) {
            if (types > 0) {
                GrowList(h.model, types, stocks);
                h.tree.Fill_tree(-1, -1);
            }
            h.model.SettingsChanged = false;
            h.platform.messages.clear();
            Reference expected = referenceOf(h.list());
            const QString command = commands[expected.isEmpty() ? 5 : random.bounded(7)];
            QString said;
            const bool changes = runRandomCommand(h, command, expected, random, step, &said);
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
    }

    // Opening for an add after an edit shows nothing of the edited stock.
    void editChangesOnlyTheFieldsThenAddStartsEmpty() {
        EditingHarness h(QStringLiteral("A:a1|B:b1,b2"));
        h.model.list.stocks[1].Alt_YH = QStringLiteral("^B1");
        h.select(QStringLiteral("b1"));
        h.commands.Edit();
        StockEditor& editor = h.commands.stockEditor();
        QVERIFY(editor.isVisible());
        QCOMPARE(field(editor, "SymbDef")->text(), QStringLiteral("B1"));
        QCOMPARE(field(editor, "Alt_Yahoo")->text(), QStringLiteral("^B1"));
        QVERIFY(!picker(editor)->isEnabled());
        QCOMPARE(picker(editor)->currentText(), QStringLiteral("B"));

        field(editor, "Descrip")->setText(QStringLiteral("b1 renamed"));
        field(editor, "Alt_BigCharts")->setText(QStringLiteral("bc"));
        editor.Done_Click();
        QCOMPARE(h.list(), QStringLiteral("A:a1|B:b1 renamed,b2"));
        const StockRecord& stock = h.model.list.stocks[1];
        QCOMPARE(stock.Alt_BC, QStringLiteral("BC"));
        QCOMPARE(stock.Alt_YH, QStringLiteral("^B1"));
        QCOMPARE(h.selected(), QStringLiteral("b1 renamed"));

        h.commands.AddStock();
        QVERIFY(picker(editor)->isEnabled());
        for (QLineEdit* text : editor.findChildren<QLineEdit*>()) {
            QVERIFY2(text->text().isEmpty(), qPrintable(text->objectName()));
        }
    }

    // Done trims every field; without a symbol or a description it says so and stays open
    // with the focus on the missing one.
    void done_data() {
        QTest::addColumn<QStringList>("typed");  // symbol, description, web page, StockPoint
        QTest::addColumn<QString>("result");     // the stored fields, or the focused field
        const auto row = [](const char* name, QStringList typed, const char* result) {
            QTest::newRow(name) << typed << QString::fromLatin1(result);
        };
        row("blanks around", {" ibm ", " IBM Corp ", "  http://ibm.com  ", " ^dji "},
            "IBM|IBM Corp|http://ibm.com|^DJI");
        row("only the scheme", {"x", "y", " http:// ", "  "}, "X|y||");
        row("another scheme", {"x", "y", "https://", ""}, "X|y|https://|");
        row("blank description", {"IBM", "   ", "", ""}, "Descrip");
        row("both blank", {"  ", "", "", ""}, "SymbDef");
    }

    void done() {
        QFETCH(QStringList, typed);
        QFETCH(QString, result);
        EditingHarness h(QStringLiteral("A:"));
        h.select(QStringLiteral("A"));
        h.commands.AddStock();
        StockEditor& editor = h.commands.stockEditor();
        enterStock(editor, typed[0], typed[1]);
        field(editor, "WebURL")->setText(typed[2]);
        field(editor, "Alt_StockPoint")->setText(typed[3]);
        editor.Done_Click();
        QVERIFY(h.model.SettingsChanged);
        if (!result.contains(u'|')) {
            QVERIFY(editor.isVisible());
            QCOMPARE(h.platform.lastMessage(),
                     QStringLiteral("You must enter both a default symbol and a description."));
            QCOMPARE(editor.focusWidget()->objectName(), result);
            QCOMPARE(field(editor, "Descrip")->text(), typed[1].trimmed());
            QCOMPARE(h.list(), QStringLiteral("A:"));
            return;
        }
        const StockRecord& stock = h.model.list.stocks[0];
        QCOMPARE(QStringList({stock.Stock, stock.Description, stock.URL, stock.Alt_SP}).join(u'|'),
                 result);
    }

    // Symbol fields turn upper case as typed, keeping the caret; entering an empty web page
    // field starts it with the scheme.
    void typing() {
        EditingHarness h(QStringLiteral("A:a1"));
        h.select(QStringLiteral("a1"));
        h.commands.AddStock();
        StockEditor& editor = h.commands.stockEditor();
        for (const char* name : {"SymbDef", "Alt_BigCharts", "Alt_Yahoo", "Descrip"}) {
            QLineEdit* text = field(editor, name);
            text->setText(QStringLiteral("msft"));
            text->setCursorPosition(2);
            QTest::keyClicks(text, QStringLiteral("xy"));
            const bool upper = qstrcmp(name, "Descrip") != 0;
            QCOMPARE(text->text(), upper ? QStringLiteral("MSXYFT") : QStringLiteral("msxyft"));
            QCOMPARE(text->cursorPosition(), 4);
        }
        QLineEdit* url = field(editor, "WebURL");
        for (const QString& before : {QString(), QStringLiteral("https://a.b")}) {
            url->setText(before);
            QFocusEvent tabbedIn(QEvent::FocusIn, Qt::TabFocusReason);
            QApplication::sendEvent(url, &tabbedIn);
            const QString after = before.isEmpty() ? QStringLiteral("http://") : before;
            QCOMPARE(url->text(), after);
            QCOMPARE(url->cursorPosition(), after.size());
            QVERIFY(!url->hasSelectedText());
        }
        editor.reject();
    }

    // 100 types open a list 22 items tall under whichever style runs the test (the suite runs
    // it under the default style; run it with -style windows or -style fusion to try others).
    void typeListOpensTwentyTwoItemsTall() {
        EditingHarness h;
        BuildList(h.model, QString());
        for (int t = 0; t < 100; ++t) {
            AppendType(h.model, QStringLiteral("T%1").arg(t));
        }
        h.tree.Fill_tree(0, -1);
        h.commands.AddStock();
        QComboBox* types = picker(h.commands.stockEditor());
        QVERIFY(QTest::qWaitForWindowExposed(&h.commands.stockEditor()));
        types->showPopup();
        QAbstractItemView* list = types->view();
        QTRY_VERIFY(list->isVisible());
        const int rows = list->viewport()->height() / list->sizeHintForRow(0);
        QVERIFY2(rows >= 21 && rows <= 22, qPrintable(QString::number(rows)));
        types->hidePopup();
        h.commands.stockEditor().reject();
    }

  private:
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

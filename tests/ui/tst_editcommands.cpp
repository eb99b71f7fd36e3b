#include "model/Limits.h"
#include "model/StockListOps.h"
#include "support/EditingHarness.h"
#include "support/TestSeed.h"
#include "ui/StockEditor.h"
#include "ui/TypeChangeDialog.h"
#include "ui/TypeSetter.h"

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
}  // namespace

// The editing commands on a tree of their own: worked examples, refusals, limits, the stock
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
        const QString abc = QStringLiteral("A:a1,a2,a3|B:|C:c1,c2");
        const auto row = [](const char* name, const QString& list, const char* command,
                            const char* node, const QString& after, const char* selected,
                            int beeps = 0, const char* input = "") {
            QTest::newRow(name) << list << command << node << input << after << selected << beeps;
        };
        row("delete the only stock selects its type", "A:a1|B:b1", "Delete", "a1", "A:|B:b1", "A");
        row("delete the first of several selects the next", abc, "Delete", "c1",
            "A:a1,a2,a3|B:|C:c2", "c2");
        row("delete another stock selects the one above", abc, "Delete", "a2", "A:a1,a3|B:|C:c1,c2",
            "a1");
        row("delete an empty type selects the one above", abc, "Delete", "B", "A:a1,a2,a3|C:c1,c2",
            "A");
        row("delete empty type 0 selects nothing", "A:|B:b1", "Delete", "A", "B:b1", "");
        row("delete a type with stocks is refused", abc, "Delete", "C", abc, "C", 1);
        row("up a stock", abc, "MoveUp", "a3", "A:a1,a3,a2|B:|C:c1,c2", "a3");
        row("up the first stock of a type stays in it", abc, "MoveUp", "c1", abc, "c1", 1);
        row("up a type over an empty one", abc, "MoveUp", "C", "A:a1,a2,a3|C:c1,c2|B:", "C");
        row("up type 0", abc, "MoveUp", "A", abc, "A", 1);
        row("down a stock", abc, "MoveDown", "c1", "A:a1,a2,a3|B:|C:c2,c1", "c1");
        row("down the last stock of a type stays in it", abc, "MoveDown", "a3", abc, "a3", 1);
        row("down a type", "A:a1,a2|B:b1,b2,b3", "MoveDown", "A", "B:b1,b2,b3|A:a1,a2", "A");
        row("down the last type", abc, "MoveDown", "C", abc, "C", 1);
        row("first type", "", "AddType", "", "Stocks:", "Stocks", 0, "Stocks");
        row("new type after the stocks, trimmed", "A:a1|B:b1", "AddType", "",
            "A:a1|B:b1|Bonds:", "Bonds", 0, "  Bonds  ");
        row("blank new type", "A:a1", "AddType", "", "A:a1", "", 0, "   ");
        row("rename, trimmed", "A:a1|B:", "Edit", "B", "A:a1|Bonds:", "Bonds", 0, " Bonds");
        row("rename to blanks", "A:a1|B:", "Edit", "A", "A:a1|B:", "A", 0, " ");
        row("rename cancelled", "A:a1|B:", "Edit", "A", "A:a1|B:", "A", 0, "cancel");
        row("to a later type", abc, "ChangeType", "a2", "A:a1,a3|B:|C:c1,c2,a2", "a2", 0, "2");
        row("to an earlier type", abc, "ChangeType", "c1", "A:a1,a2,a3,c1|B:|C:c2", "c1", 0, "0");
        row("own type", abc, "ChangeType", "a1", abc, "a1", 0, "0");
        row("the only stock of a type", "A:a1|B:b1", "ChangeType", "a1", "A:|B:b1,a1", "a1", 0,
            "1");
        row("last stock to the type before", "A:a1|B:b1,b2", "ChangeType", "b2", "A:a1,b2|B:b1",
            "b2", 0, "0");
        row("into an empty type between", abc, "ChangeType", "c2", "A:a1,a2,a3|B:c2|C:c1", "c2", 0,
            "1");
        row("change cancelled", abc, "ChangeType", "a1", abc, "a1", 0, "cancel");
        // The new stock goes below the selected one, or first in the type picked.
        const QString abcd = QStringLiteral("A:a1,a2|B:|C:c1,c2|D:d1");
        row("add below the selected stock", abcd, "AddStock", "a1", "A:a1,new,a2|B:|C:c1,c2|D:d1",
            "new");
        row("add below the last stock of its type", abcd, "AddStock", "c2",
            "A:a1,a2|B:|C:c1,c2,new|D:d1", "new");
        row("add on a type: first in it", abcd, "AddStock", "C", "A:a1,a2|B:|C:new,c1,c2|D:d1",
            "new");
        row("add on an empty type", abcd, "AddStock", "B", "A:a1,a2|B:new|C:c1,c2|D:d1", "new");
        row("add to another type picked", abcd, "AddStock", "a1", "A:a1,a2|B:|C:new,c1,c2|D:d1",
            "new", 0, "2");
        row("add to an empty type picked", abcd, "AddStock", "d1", "A:a1,a2|B:new|C:c1,c2|D:d1",
            "new", 0, "1");
        row("add to an earlier type picked", abcd, "AddStock", "D", "A:new,a1,a2|B:|C:c1,c2|D:d1",
            "new", 0, "0");
        row("add to its own type picked again", abcd, "AddStock", "a1",
            "A:a1,new,a2|B:|C:c1,c2|D:d1", "new", 0, "0");
        row("add cancelled", abcd, "AddStock", "a1", abcd, "a1", 0, "cancel");
    }

    void workedExamples() {
        QFETCH(QString, list);
        QFETCH(QString, command);
        QFETCH(QString, node);
        QFETCH(QString, input);
        QFETCH(QString, after);
        QFETCH(QString, selectedAfter);
        QFETCH(int, beeps);

        EditingHarness h(list);
        h.tree.show();
        QVERIFY(QTest::qWaitForWindowActive(&h.tree));
        h.select(node);
        (h.commands.*commandNamed(command))();
        if (TypeSetter& setter = h.commands.typeSetter(); setter.isVisible()) {
            setter.findChild<QLineEdit*>(QStringLiteral("Header"))->setText(input);
        }
        if (TypeChangeDialog& changer = h.commands.typeChanger(); changer.isVisible()) {
            changer.findChild<QComboBox*>(QStringLiteral("TypeChanger"))
                ->setCurrentIndex(input.toInt());
        }
        if (StockEditor& editor = h.commands.stockEditor(); editor.isVisible()) {
            enterStock(editor, QStringLiteral("NEW"), QStringLiteral("new"));
            if (!input.isEmpty() && input != "cancel") {
                picker(editor)->setCurrentIndex(input.toInt());
            }
        }
        for (ListEditorDialog* dialog :
             {static_cast<ListEditorDialog*>(&h.commands.stockEditor()),
              static_cast<ListEditorDialog*>(&h.commands.typeSetter()),
              static_cast<ListEditorDialog*>(&h.commands.typeChanger())}) {
            if (dialog->isVisible()) {
                input == "cancel" ? dialog->reject() : dialog->Done_Click();
            }
        }

        QVERIFY(!h.commands.editorOpen());
        QCOMPARE(h.list(), after);
        QString problem;
        QVERIFY2(TreeAgreesWithList(h.tree, h.model.list, &problem), qPrintable(problem));
        QCOMPARE(h.selected(), selectedAfter);
        QCOMPARE(h.platform.beeps, beeps);
        // A refused move still counts as a change; a refused delete or a cancel does not.
        QCOMPARE(h.model.SettingsChanged, (command != "Delete" || beeps == 0) && input != "cancel");
        QCOMPARE(h.platform.lastMessage(),
                 beeps > 0 && command == "Delete" ? TypeHasStocks : QString());
        QTRY_VERIFY(h.tree.hasFocus());
    }

    // Commands that cannot act beep or say why, change nothing, and leave the keyboard focus
    // in the tree, where the arrow keys move through the list.
    void refusals_data() {
        QTest::addColumn<QString>("list");
        QTest::addColumn<QString>("command");
        QTest::addColumn<int>("beeps");
        QTest::addColumn<QString>("message");
        for (const char* name :
             {"MoveUp", "MoveDown", "Edit", "ChangeType", "AddStock", "Delete"}) {
            QTest::addRow("%s, nothing selected", name) << "A:a1|B:" << name << 1 << QString();
        }
        for (const char* name : {"MoveUp", "MoveDown", "Edit", "ChangeType", "Delete"}) {
            QTest::addRow("%s, empty list", name) << "" << name << 1 << QString();
        }
        QTest::newRow("AddStock, no type")
            << ""
            << "AddStock" << 0 << "You must define at least one type before adding stocks";
        QTest::newRow("ChangeType on a type") << "A:a1|B:"
                                              << "ChangeType" << 1 << QString();
    }

    void refusals() {
        QFETCH(QString, list);
        QFETCH(QString, command);
        QFETCH(int, beeps);
        QFETCH(QString, message);
        EditingHarness h(list);
        h.select(command == "ChangeType" && beeps && !list.isEmpty() ? "B" : "");
        h.tree.show();
        QVERIFY(QTest::qWaitForWindowActive(&h.tree));
        h.tree.clearFocus();
        (h.commands.*commandNamed(command))();
        QCOMPARE(h.platform.beeps, beeps);
        QCOMPARE(h.platform.lastMessage(), message);
        QVERIFY(!h.commands.editorOpen());
        QCOMPARE(h.list(), list);
        QVERIFY(!h.model.SettingsChanged);
        QVERIFY(h.tree.hasFocus());
    }

    void limits_data() {
        QTest::addColumn<int>("types");
        QTest::addColumn<int>("stocks");
        QTest::addColumn<QString>("command");
        QTest::addColumn<QString>("refusal");
        const QString types = TypeLimitMessage(), stocks = StockLimitMessage();
        QTest::newRow("99 types: one more") << 99 << 0 << "AddType" << QString();
        QTest::newRow("100 types: refused") << 100 << 0 << "AddType" << types;
        QTest::newRow("999 stocks: one more") << 1 << 999 << "AddStock" << QString();
        QTest::newRow("1000 stocks: refused") << 1 << 1000 << "AddStock" << stocks;
    }

    void limits() {
        QFETCH(int, types);
        QFETCH(int, stocks);
        QFETCH(QString, command);
        QFETCH(QString, refusal);
        EditingHarness h;
        GrowList(h.model, types, stocks);
        h.tree.Fill_tree(0, -1);
        (h.commands.*commandNamed(command))();
        QCOMPARE(h.platform.lastMessage(), refusal);
        QCOMPARE(h.commands.editorOpen(), refusal.isEmpty());
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
            ConnectEditCommands(window, h.tree, h.commands);
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

    // Random commands and dialog answers; the list keeps its invariants and the tree shows it.
    // At capacity (a stored list may use every slot) the list is filled up again before each
    // command, so every command meets the full list.
    void randomSession_data() {
        QTest::addColumn<int>("types");  // kept at least this many
        QTest::addColumn<int>("stocks");
        QTest::newRow("small lists") << 0 << 0;
        QTest::newRow("101 types") << int(TypeCapacity) << 0;
        QTest::newRow("1001 stocks") << 1 << int(StockCapacity);
        QTest::newRow("101 types, 1001 stocks") << int(TypeCapacity) << int(StockCapacity);
    }

    void randomSession() {
        QFETCH(int, types);
        QFETCH(int, stocks);
        const quint32 seed = TestSeed();
        QRandomGenerator random(seed);
        EditingHarness h(randomList(random));
        const QStringList commands{"MoveUp",   "MoveDown", "Edit",  "ChangeType",
                                   "AddStock", "AddType",  "Delete"};
        for (int step = 0; step < (types > 0 ? 150 : 400); ++step) {
            if (types > 0) {
                GrowList(h.model, types, stocks);
                h.tree.Fill_tree(-1, -1);
            }
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
        row("empty symbol", {"", "IBM Corp", "", ""}, "SymbDef");
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

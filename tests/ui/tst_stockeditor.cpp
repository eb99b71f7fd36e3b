#include "model/StockListOps.h"
#include "support/EditingHarness.h"
#include "ui/StockEditor.h"

#include <QAbstractItemView>
#include <QComboBox>
#include <QGroupBox>
#include <QLineEdit>
#include <QPushButton>
#include <QTest>

namespace {
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

// The stock editor driven through the AddStock and Edit commands.
class StockEditorTest : public QObject {
    Q_OBJECT
  private Q_SLOTS:
    void addPlacesTheNewStock_data() {
        QTest::addColumn<QString>("list");
        QTest::addColumn<QString>("node");
        QTest::addColumn<int>("pickedType");  // -1: left as preselected
        QTest::addColumn<QString>("after");

        const QString list = QStringLiteral("A:a1,a2|B:|C:c1,c2|D:d1");
        QTest::newRow("below the selected stock")
            << list << "a1" << -1 << "A:a1,new,a2|B:|C:c1,c2|D:d1";
        QTest::newRow("below the last stock of its type")
            << list << "c2" << -1 << "A:a1,a2|B:|C:c1,c2,new|D:d1";
        QTest::newRow("type selected: first in it")
            << list << "C" << -1 << "A:a1,a2|B:|C:new,c1,c2|D:d1";
        QTest::newRow("empty type selected") << list << "B" << -1 << "A:a1,a2|B:new|C:c1,c2|D:d1";
        QTest::newRow("another type picked: first in it")
            << list << "a1" << 2 << "A:a1,a2|B:|C:new,c1,c2|D:d1";
        QTest::newRow("an empty type picked") << list << "d1" << 1 << "A:a1,a2|B:new|C:c1,c2|D:d1";
        QTest::newRow("an earlier type picked")
            << list << "D" << 0 << "A:new,a1,a2|B:|C:c1,c2|D:d1";
        QTest::newRow("its own type picked again")
            << list << "a1" << 0 << "A:a1,new,a2|B:|C:c1,c2|D:d1";
    }

    void addPlacesTheNewStock() {
        QFETCH(QString, list);
        QFETCH(QString, node);
        QFETCH(int, pickedType);
        QFETCH(QString, after);

        EditingHarness h(list);
        h.select(node);
        h.commands.AddStock();
        StockEditor& editor = h.commands.stockEditor();
        QVERIFY(editor.isVisible());
        QVERIFY(picker(editor)->isEnabled());
        enterStock(editor, QStringLiteral("NEW"), QStringLiteral("new"));
        if (pickedType >= 0) {
            picker(editor)->setCurrentIndex(pickedType);
        }
        editor.Done_Click();

        QVERIFY(!editor.isVisible());
        QCOMPARE(h.list(), after);
        QVERIFY(CheckInvariants(h.model.list));
        QCOMPARE(h.selected(), QStringLiteral("new"));
        QVERIFY(h.model.SettingsChanged);
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
        QCOMPARE(editor.findChild<QGroupBox*>(QStringLiteral("TypePickerFrame"))->toolTip(),
                 QStringLiteral("Use change type button on main screen to change type of an "
                                "existing stock"));

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
        QVERIFY(
            editor.findChild<QGroupBox*>(QStringLiteral("TypePickerFrame"))->toolTip().isEmpty());
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

    void symbolFieldsTurnUpperCaseKeepingTheCaret_data() {
        QTest::addColumn<QString>("name");
        QTest::addColumn<bool>("upper");
        for (const char* name : {"SymbDef", "Alt_BigCharts", "Alt_Yahoo"}) {
            QTest::newRow(name) << QString::fromLatin1(name) << true;
        }
        QTest::newRow("Descrip") << "Descrip" << false;
        QTest::newRow("WebURL") << "WebURL" << false;
    }

    void symbolFieldsTurnUpperCaseKeepingTheCaret() {
        QFETCH(QString, name);
        QFETCH(bool, upper);

        EditingHarness h(QStringLiteral("A:a1"));
        h.select(QStringLiteral("a1"));
        h.commands.AddStock();
        QLineEdit* text = h.commands.stockEditor().findChild<QLineEdit*>(name);
        text->setText(QStringLiteral("msft"));
        text->setCursorPosition(2);
        QTest::keyClicks(text, QStringLiteral("xy"));
        QCOMPARE(text->text(), upper ? QStringLiteral("MSXYFT") : QStringLiteral("msxyft"));
        QCOMPARE(text->cursorPosition(), 4);
        h.commands.stockEditor().reject();
    }

    void enteringTheWebPageField_data() {
        QTest::addColumn<QString>("before");
        QTest::addColumn<QString>("after");
        QTest::newRow("empty") << ""
                               << "http://";
        QTest::newRow("filled") << "http://ibm.com"
                                << "http://ibm.com";
    }

    void enteringTheWebPageField() {
        QFETCH(QString, before);
        QFETCH(QString, after);

        EditingHarness h(QStringLiteral("A:a1"));
        h.select(QStringLiteral("a1"));
        h.commands.AddStock();
        QLineEdit* url = field(h.commands.stockEditor(), "WebURL");
        url->setText(before);
        QFocusEvent tabbedIn(QEvent::FocusIn, Qt::TabFocusReason);
        QApplication::sendEvent(url, &tabbedIn);
        QCOMPARE(url->text(), after);
        QCOMPARE(url->cursorPosition(), after.size());
        QVERIFY(!url->hasSelectedText());
        h.commands.stockEditor().reject();
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

    // Access keys reach the fields and the tab order follows the form.
    void worksFromTheKeyboard() {
        EditingHarness h(QStringLiteral("A:a1"));
        h.tree.show();
        h.select(QStringLiteral("a1"));
        h.commands.AddStock();
        StockEditor& editor = h.commands.stockEditor();
        QVERIFY(QTest::qWaitForWindowActive(&editor));
        QCOMPARE(QApplication::focusWidget(), field(editor, "SymbDef"));
        QTest::keyClick(&editor, Qt::Key_N, Qt::AltModifier);
        QCOMPARE(QApplication::focusWidget(), field(editor, "Descrip"));
        QStringList order;
        for (QWidget* w = field(editor, "SymbDef"); order.size() < 10; w = w->nextInFocusChain()) {
            if (w->focusPolicy() & Qt::TabFocus) {
                order.append(w->objectName());
            }
        }
        QCOMPARE(order.join(u' '), QStringLiteral("SymbDef TypePicker Descrip WebURL "
                                                  "Alt_BigCharts Alt_StockMaster Alt_StockPoint "
                                                  "Alt_Yahoo Cancel Done"));
        editor.reject();
    }
};

QTEST_MAIN(StockEditorTest)
#include "tst_stockeditor.moc"

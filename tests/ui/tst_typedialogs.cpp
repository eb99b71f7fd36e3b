#include "support/EditingHarness.h"
#include "ui/TypeChangeDialog.h"
#include "ui/TypeSetter.h"

#include <QComboBox>
#include <QLineEdit>
#include <QPushButton>
#include <QTest>

namespace {
const QString DefaultList = QStringLiteral(
    "Market Indices:Dow Industrials,S&P 500,NASDAQ|"
    "Internet Stocks:America Online,IBM,Microsoft|"
    "Mutual Funds:Fidelity Magellan,Janus 20 Fund");
}  // namespace

// The type name dialog and the change-type dialog, opened through the commands.
class TypeDialogsTest : public QObject {
    Q_OBJECT
  private Q_SLOTS:
    void typeSetter_data() {
        QTest::addColumn<QString>("list");
        QTest::addColumn<QString>("node");  // empty: AddType, else Edit on this type
        QTest::addColumn<QString>("shownName");
        QTest::addColumn<QString>("typed");
        QTest::addColumn<QString>("after");
        QTest::addColumn<QString>("selectedAfter");

        QTest::newRow("first type") << ""
                                    << ""
                                    << ""
                                    << "Stocks"
                                    << "Stocks:"
                                    << "Stocks";
        QTest::newRow("new type after stocks") << DefaultList << ""
                                               << ""
                                               << "  Bonds  " << DefaultList + "|Bonds:"
                                               << "Bonds";
        QTest::newRow("blank new type is not created") << "A:a1"
                                                       << ""
                                                       << ""
                                                       << "   "
                                                       << "A:a1"
                                                       << "";
        QTest::newRow("rename") << "A:a1|B:"
                                << "B"
                                << "B"
                                << " Bonds"
                                << "A:a1|Bonds:"
                                << "Bonds";
        QTest::newRow("rename to blanks keeps the name") << "A:a1|B:"
                                                         << "A"
                                                         << "A"
                                                         << " "
                                                         << "A:a1|B:"
                                                         << "A";
    }

    void typeSetter() {
        QFETCH(QString, list);
        QFETCH(QString, node);
        QFETCH(QString, shownName);
        QFETCH(QString, typed);
        QFETCH(QString, after);
        QFETCH(QString, selectedAfter);

        EditingHarness h(list);
        h.select(node);
        if (node.isEmpty()) {
            h.commands.AddType();
        } else {
            h.commands.Edit();
        }
        TypeSetter& dialog = h.commands.typeSetter();
        QVERIFY(dialog.isVisible());
        auto* header = dialog.findChild<QLineEdit*>(QStringLiteral("Header"));
        QCOMPARE(header->text(), shownName);
        header->setText(typed);
        dialog.Done_Click();

        QVERIFY(!dialog.isVisible());
        QCOMPARE(h.list(), after);
        QVERIFY(CheckInvariants(h.model.list));
        QCOMPARE(h.selected(), selectedAfter);
        QVERIFY(h.model.SettingsChanged);
    }

    void changeType_data() {
        QTest::addColumn<QString>("list");
        QTest::addColumn<QString>("stock");
        QTest::addColumn<int>("newType");
        QTest::addColumn<QString>("after");

        QTest::newRow("to a later type") << DefaultList << "S&P 500" << 2
                                         << "Market Indices:Dow Industrials,NASDAQ|"
                                            "Internet Stocks:America Online,IBM,Microsoft|"
                                            "Mutual Funds:Fidelity Magellan,Janus 20 Fund,S&P 500";
        QTest::newRow("to an earlier type")
            << DefaultList << "Fidelity Magellan" << 0
            << "Market Indices:Dow Industrials,S&P 500,NASDAQ,Fidelity Magellan|"
               "Internet Stocks:America Online,IBM,Microsoft|"
               "Mutual Funds:Janus 20 Fund";
        QTest::newRow("own type") << DefaultList << "IBM" << 1 << DefaultList;
        QTest::newRow("the only stock of a type") << "A:a1|B:b1"
                                                  << "a1" << 1 << "A:|B:b1,a1";
        QTest::newRow("the last stock to the type before") << "A:a1|B:b1,b2"
                                                           << "b2" << 0 << "A:a1,b2|B:b1";
        QTest::newRow("into an empty type between") << "A:a1,a2|B:|C:c1"
                                                    << "c1" << 1 << "A:a1,a2|B:c1|C:";
    }

    // The moved stock keeps every field and is selected in its new place.
    void changeType() {
        QFETCH(QString, list);
        QFETCH(QString, stock);
        QFETCH(int, newType);
        QFETCH(QString, after);

        EditingHarness h(list);
        h.select(stock);
        StockRecord& record = h.model.list.stocks[h.tree.NodeStockIndex(h.tree.selectedNode())];
        record.URL = QStringLiteral("http://example.com/");
        record.Alt_SM = QStringLiteral("I:X");
        const StockRecord moved = record;
        h.commands.ChangeType();
        TypeChangeDialog& dialog = h.commands.typeChanger();
        QVERIFY(dialog.isVisible());
        auto* types = dialog.findChild<QComboBox*>(QStringLiteral("TypeChanger"));
        QCOMPARE(types->count(), h.model.list.typeCount());
        types->setCurrentIndex(newType);
        dialog.Done_Click();

        QVERIFY(!dialog.isVisible());
        QCOMPARE(h.list(), after);
        QVERIFY(CheckInvariants(h.model.list));
        QCOMPARE(h.selected(), stock);
        const int node = h.tree.selectedNode();
        QCOMPARE(h.model.list.stocks[h.tree.NodeStockIndex(node)], moved);
        QCOMPARE(h.tree.currentItem()->parent()->text(0), h.model.list.types[newType].Type);
        QVERIFY(h.model.SettingsChanged);
    }

    void changeTypeRefusesATypeNode() {
        EditingHarness h(QStringLiteral("A:a1|B:"));
        h.select(QStringLiteral("A"));
        h.commands.ChangeType();
        QCOMPARE(h.platform.beeps, 1);
        QVERIFY(!h.commands.typeChanger().isVisible());
        QVERIFY(!h.model.SettingsChanged);
    }

    void cancelChangesNothing() {
        EditingHarness h(QStringLiteral("A:a1|B:"));
        h.select(QStringLiteral("a1"));
        h.commands.ChangeType();
        TypeChangeDialog& changer = h.commands.typeChanger();
        changer.findChild<QComboBox*>(QStringLiteral("TypeChanger"))->setCurrentIndex(1);
        changer.cancelButton().click();
        h.select(QStringLiteral("A"));
        h.commands.Edit();
        h.commands.typeSetter().findChild<QLineEdit*>(QStringLiteral("Header"))->setText("Z");
        h.commands.typeSetter().reject();
        QCOMPARE(h.list(), QStringLiteral("A:a1|B:"));
        QVERIFY(!h.model.SettingsChanged);
        QVERIFY(!h.commands.editorOpen());
    }

    // Both dialogs open with the focus in their field; Enter is Done and Escape is Cancel.
    void worksFromTheKeyboard() {
        EditingHarness h(QStringLiteral("A:a1|B:"));
        h.tree.show();
        h.select(QStringLiteral("a1"));
        h.commands.ChangeType();
        TypeChangeDialog& changer = h.commands.typeChanger();
        QVERIFY(QTest::qWaitForWindowActive(&changer));
        QCOMPARE(QApplication::focusWidget()->objectName(), QStringLiteral("TypeChanger"));
        QTest::keyClick(QApplication::focusWidget(), Qt::Key_Down);
        QTest::keyClick(QApplication::focusWidget(), Qt::Key_Return);
        QVERIFY(!changer.isVisible());
        QCOMPARE(h.list(), QStringLiteral("A:|B:a1"));

        h.commands.AddType();
        TypeSetter& setter = h.commands.typeSetter();
        QVERIFY(QTest::qWaitForWindowActive(&setter));
        QCOMPARE(QApplication::focusWidget()->objectName(), QStringLiteral("Header"));
        QTest::keyClicks(QApplication::focusWidget(), QStringLiteral("C"));
        QTest::keyClick(QApplication::focusWidget(), Qt::Key_Escape);
        QVERIFY(!setter.isVisible());
        QCOMPARE(h.list(), QStringLiteral("A:|B:a1"));
    }
};

QTEST_MAIN(TypeDialogsTest)
#include "tst_typedialogs.moc"

#include "support/EditingHarness.h"
#include "ui/TreeSelection.h"
#include "ui/TypeChangeDialog.h"
#include "ui/TypeSetter.h"

#include <QComboBox>
#include <QLineEdit>
#include <QTest>

namespace {
using Command = void (EditCommands::*)();
constexpr Qt::Key Done = Qt::Key_Return;
constexpr Qt::Key Cancel = Qt::Key_Escape;

struct Case {
    const char* name;
    const char* list;
    const char* node;  // selected before the command
    Command command;
    const char* input;  // the type's name, or the index of the stock's new type
    Qt::Key key;
    const char* after;
    const char* selectedAfter;
};

constexpr char Abc[] = "A:a1,a2,a3|B:b1|C:c1";
const Case Cases[] = {
    {"first type", "", "", &EditCommands::AddType, "Stocks", Done, "Stocks:", "Stocks"},
    {"new type after the stocks, trimmed", "A:a1|B:b1", "", &EditCommands::AddType, "  Bonds  ",
     Done, "A:a1|B:b1|Bonds:", "Bonds"},
    {"blank new type", "A:a1", "", &EditCommands::AddType, "   ", Done, "A:a1", ""},
    {"rename, trimmed", "A:a1|B:", "B", &EditCommands::Edit, " Bonds", Done,
     "A:a1|Bonds:", "Bonds"},
    {"rename to blanks", "A:a1|B:", "A", &EditCommands::Edit, " ", Done, "A:a1|B:", "A"},
    {"rename cancelled", "A:a1|B:", "A", &EditCommands::Edit, "Z", Cancel, "A:a1|B:", "A"},
    {"to a later type", Abc, "a2", &EditCommands::ChangeType, "2", Done, "A:a1,a3|B:b1|C:c1,a2",
     "a2"},
    {"to an earlier type", Abc, "c1", &EditCommands::ChangeType, "0", Done,
     "A:a1,a2,a3,c1|B:b1|C:", "c1"},
    {"own type", Abc, "b1", &EditCommands::ChangeType, "1", Done, Abc, "b1"},
    {"the only stock of a type", "A:a1|B:b1", "a1", &EditCommands::ChangeType, "1", Done,
     "A:|B:b1,a1", "a1"},
    {"last stock to the type before", "A:a1|B:b1,b2", "b2", &EditCommands::ChangeType, "0", Done,
     "A:a1,b2|B:b1", "b2"},
    {"into an empty type between", "A:a1,a2|B:|C:c1", "c1", &EditCommands::ChangeType, "1", Done,
     "A:a1,a2|B:c1|C:", "c1"},
    {"change cancelled", "A:a1|B:", "a1", &EditCommands::ChangeType, "1", Cancel, "A:a1|B:", "a1"},
};
}  // namespace

// The type name dialog and the change-type dialog, opened through the commands and answered
// from the keyboard: each opens with the focus in its field, Enter is Done, Escape is Cancel.
class TypeDialogsTest : public QObject {
    Q_OBJECT
  private Q_SLOTS:
    void typeDialogs_data() {
        QTest::addColumn<int>("row");
        for (const Case& c : Cases) {
            QTest::newRow(c.name) << int(&c - Cases);
        }
    }

    void typeDialogs() {
        QFETCH(int, row);
        const Case& c = Cases[row];
        EditingHarness h(QString::fromUtf8(c.list));
        h.tree.show();
        h.select(QString::fromUtf8(c.node));
        // A moved stock keeps every field.
        const TreeSelection before = SelectedItem(h.tree, h.model.list);
        StockRecord& record = h.model.list.stocks[qMax<qint16>(before.stock, 0)];
        record.URL = QStringLiteral("http://example.com/");
        record.Alt_SM = QStringLiteral("I:X");
        const StockRecord moved = record;
        (h.commands.*c.command)();
        const bool changer = c.command == &EditCommands::ChangeType;
        QVERIFY(QTest::qWaitForWindowActive(
            changer ? static_cast<QWidget*>(&h.commands.typeChanger()) : &h.commands.typeSetter()));
        if (changer) {
            auto* types = qobject_cast<QComboBox*>(QApplication::focusWidget());
            QVERIFY(types && types->objectName() == "TypeChanger");
            QCOMPARE(types->count(), h.model.list.typeCount());
            QCOMPARE(types->currentIndex(), before.type);
            types->setCurrentIndex(QByteArray(c.input).toInt());
        } else {
            auto* header = qobject_cast<QLineEdit*>(QApplication::focusWidget());
            QVERIFY(header && header->objectName() == "Header");
            QCOMPARE(header->text(),
                     QString::fromUtf8(c.command == &EditCommands::Edit ? c.node : ""));
            header->setText(QString::fromUtf8(c.input));
        }
        QTest::keyClick(QApplication::focusWidget(), c.key);

        QVERIFY(!h.commands.editorOpen());
        QCOMPARE(h.list(), QString::fromUtf8(c.after));
        QVERIFY(CheckInvariants(h.model.list));
        QCOMPARE(h.selected(), QString::fromUtf8(c.selectedAfter));
        QCOMPARE(h.model.SettingsChanged, c.key == Done);
        if (before.isStock()) {
            QCOMPARE(h.model.list.stocks[SelectedItem(h.tree, h.model.list).stock], moved);
        }
    }

    void changeTypeRefusesATypeNode() {
        EditingHarness h(QStringLiteral("A:a1|B:"));
        h.select(QStringLiteral("A"));
        h.commands.ChangeType();
        QCOMPARE(h.platform.beeps, 1);
        QVERIFY(!h.commands.editorOpen());
        QVERIFY(!h.model.SettingsChanged);
    }
};

QTEST_MAIN(TypeDialogsTest)
#include "tst_typedialogs.moc"

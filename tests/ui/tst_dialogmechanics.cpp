#include "support/FakePlatform.h"
#include "ui/window/MainWindow.h"
#include "ui/window/StockTree.h"

#include <QAction>
#include <QCheckBox>
#include <QComboBox>
#include <QDialog>
#include <QGroupBox>
#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QTemporaryDir>
#include <QTest>

// What every dialog of the program shares, checked once for each of them from the window:
// made once and only hidden between uses, a fixed size with every caption readable, no other
// command while it is open, Enter is Done, Escape and the close box are Cancel, and the tree
// gets the focus back.
class DialogMechanicsTest : public QObject {
    Q_OBJECT
  private:
    QTemporaryDir dir;
    Model model;
    FakePlatform platform;
    const Storage storage{dir.filePath(QStringLiteral("Tickvane.ini"))};
    std::unique_ptr<MainWindow> window;

    // A menu item, a button, or a request of the tree (its double click or Delete key).
    void start(const QString& command) {
        if (auto* item = window->findChild<QAction*>(command)) {
            item->trigger();
        } else if (auto* button = window->findChild<QPushButton*>(command)) {
            button->click();
        } else {
            QVERIFY(QMetaObject::invokeMethod(&window->tree(), qPrintable(command)));
        }
    }

    // Opens the dialog with the tree's node `node` selected, from the focus on another button.
    QDialog* open(const QString& node, const QString& trigger) {
        StockTree& tree = window->tree();
        if (!node.isEmpty()) {
            const auto found = tree.findItems(node, Qt::MatchExactly | Qt::MatchRecursive);
            tree.setCurrentItem(found.value(0));
        }
        window->findChild<QWidget*>(QStringLiteral("StartBrowser"))->setFocus();
        start(trigger);
        return shownDialog();
    }

    QDialog* shownDialog() const {
        QDialog* shown = nullptr;
        for (QDialog* dialog : window->findChildren<QDialog*>()) {
            shown = dialog->isVisible() ? dialog : shown;
        }
        return shown;
    }

    // While a dialog or message is open, every way of starting a command is refused with a beep
    // and changes nothing.
    void othersRefused() {
        const char* const others[] = {
            "MoveUp",       "MoveDown", "Edit",          "ChangeType",      "AddStock",
            "AddType",      "Delete",   "editRequested", "deleteRequested", "YahooMenu",
            "SaveSettings", "Exit",     "StartBrowser",  "GenerateWebPages"};
        const Model before = model;
        const int beeps = platform.beeps;
        const qsizetype messages = platform.messages.size();
        QDialog* const shown = shownDialog();
        for (const char* other : others) {
            start(QString::fromLatin1(other));
        }
        QCOMPARE(platform.beeps - beeps, int(std::size(others)));
        QVERIFY(model == before && platform.messages.size() == messages && shownDialog() == shown &&
                window->isVisible());
    }

    static void change(QWidget* control) {
        if (auto* text = qobject_cast<QLineEdit*>(control)) {
            text->setText(text->text() + QStringLiteral("X"));
        } else if (auto* list = qobject_cast<QComboBox*>(control)) {
            list->setCurrentIndex((list->currentIndex() + 1) % list->count());
        } else {
            qobject_cast<QAbstractButton*>(control)->click();
        }
    }

    static void captionsFit(const QDialog& dialog) {
        for (const QAbstractButton* button : dialog.findChildren<QAbstractButton*>()) {
            const int needed = qobject_cast<const QPushButton*>(button)
                                   ? button->fontMetrics().horizontalAdvance(
                                         QString(button->text()).remove(u'&')) +
                                         8
                                   : button->sizeHint().width();
            QVERIFY2(needed <= button->width(), qPrintable(button->text()));
        }
        for (const QGroupBox* frame : dialog.findChildren<QGroupBox*>()) {
            const int needed =
                frame->fontMetrics().horizontalAdvance(QString(frame->title()).remove(u'&')) + 16;
            QVERIFY2(needed <= frame->width(), qPrintable(frame->title()));
        }
    }

  private Q_SLOTS:
    void init() {
        model = Model();
        window = std::make_unique<MainWindow>(model, storage, platform);
        window->show();
        QVERIFY(QTest::qWaitForWindowActive(window.get()));
    }

    void cleanup() { window.reset(); }

    void mechanics_data() {
        // The tree's node selected before opening, the window's button or menu item that
        // opens the dialog, and a control the test changes.
        QTest::addColumn<QString>("steps");
        QTest::newRow("stock editor") << "IBM|Edit|Descrip";
        QTest::newRow("type setter") << "Internet Stocks|Edit|Header";
        QTest::newRow("type changer") << "IBM|ChangeType|TypeChanger";
        QTest::newRow("BigCharts") << "IBM|BigChartsMenu|TimePeriod";
        QTest::newRow("StockMaster") << "IBM|StockMasterMenu|TimeFrame";
        QTest::newRow("StockPoint") << "IBM|StockPointMenu|PlotType";
        QTest::newRow("Yahoo") << "IBM|YahooMenu|TimePeriod";
        QTest::newRow("general options") << "IBM|GenOptsMenu|UpperStock";
        QTest::newRow("custom URLs") << "IBM|CustomUrlMenu|CustomUrlDesc0";
        QTest::newRow("own site") << "IBM|OwnSiteMenu|NewWindow";
    }

    void mechanics() {
        QFETCH(QString, steps);
        const QString node = steps.section(u'|', 0, 0);
        const QString trigger = steps.section(u'|', 1, 1);
        const QString control = steps.section(u'|', 2);
        const Model before = model;
        QDialog* const dialog = open(node, trigger);
        QVERIFY(dialog);
        QCOMPARE(dialog->minimumSize(), dialog->maximumSize());
        QVERIFY(!(dialog->windowFlags() & Qt::WindowMaximizeButtonHint));
        captionsFit(*dialog);
        othersRefused();
        const qsizetype dialogs = window->findChildren<QDialog*>().size();
        enum { Escape, CloseBox, Enter };
        for (const int way : {Escape, CloseBox, Enter}) {
            if (way != Escape) {
                QCOMPARE(open(node, trigger), dialog);
            }
            change(dialog->findChild<QWidget*>(control));
            if (way == CloseBox) {
                dialog->close();
            } else {
                QTest::keyClick(dialog, way == Enter ? Qt::Key_Return : Qt::Key_Escape);
            }
            QVERIFY(!dialog->isVisible());
            QCOMPARE(window->findChildren<QDialog*>().size(), dialogs);
            QTRY_VERIFY(window->tree().hasFocus());
            QCOMPARE(model == before, way != Enter);
            QCOMPARE(model.SettingsChanged, way == Enter);
        }
    }

    // A message refuses the other commands in the same way until it is answered.
    void messageRefusesOtherCommands() {
        platform.duringMessage = [this] { othersRefused(); };
        open(QStringLiteral("Internet Stocks"), QStringLiteral("Delete"));  // it has stocks
        QVERIFY(!platform.duringMessage);
    }
};

QTEST_MAIN(DialogMechanicsTest)
#include "tst_dialogmechanics.moc"

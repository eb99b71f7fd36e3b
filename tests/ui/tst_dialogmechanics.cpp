#include "model/StockListOps.h"
#include "support/DataRows.h"
#include "support/Files.h"
#include "support/WindowSession.h"
#include "ui/kit/AccessibleName.h"
#include "ui/window/StockTree.h"

#include <QAbstractItemView>
#include <QApplication>
#include <QCheckBox>
#include <QComboBox>
#include <QDialog>
#include <QGroupBox>
#include <QLineEdit>
#include <QMenu>
#include <QMenuBar>
#include <QPushButton>
#include <QRadioButton>
#include <QSet>
#include <QTemporaryDir>
#include <QTest>

// What every dialog of the program shares, checked once for each of them from the window:
// made once and only hidden between uses, a fixed size with every caption readable, no other
// command while it is open, Enter is Done, Escape and the close box are Cancel, and the tree
// gets the focus back; and how many rows each of its drop-down lists shows when open.
class DialogMechanicsTest : public QObject {
    Q_OBJECT
  private:
    QTemporaryDir dir;
    std::unique_ptr<WindowSession> session;

    // A menu item, a button, or a request of the tree (its double click or Delete key).
    void start(const QString& command) {
        if (!session->trigger(command)) {
            QVERIFY(QMetaObject::invokeMethod(&session->window.tree(), qPrintable(command)));
        }
    }

    static QDialog* topDialog() {
        return qobject_cast<QDialog*>(QApplication::activeModalWidget());
    }

    // Opens the dialog with the tree's node `node` selected, from the focus on another button.
    // Further words of the trigger are buttons clicked, or keys pressed, in the dialog that the
    // words before opened.
    QDialog* open(const QString& node, const QString& trigger) {
        if (!node.isEmpty() && !session->select(node)) {
            return nullptr;
        }
        session->window.findChild<QWidget*>(QStringLiteral("StartBrowser"))->setFocus();
        const QStringList words = trigger.split(u' ');
        start(words[0]);
        for (const QString& word : words.mid(1)) {
            QDialog* top = topDialog();
            if (auto* button = top ? top->findChild<QAbstractButton*>(word) : nullptr) {
                button->click();
            } else if (top) {
                QTest::keySequence(top->focusWidget(), QKeySequence(word));
            }
        }
        return topDialog();
    }

    // While a dialog or message is open, every way of starting a command is refused with a beep
    // and changes nothing.
    void othersRefused() {
        const QStringList others =
            QStringLiteral(
                "MoveUp MoveDown Edit ChangeType AddStock AddType Delete editRequested "
                "deleteRequested YahooMenu SaveSettings Exit StartBrowser "
                "GenerateWebPages AddStocksFromList SaveListAsCsv pasteRequested")
                .split(u' ');
        FakePlatform& platform = session->platform;
        const Model before = session->model;
        const int beeps = platform.beeps;
        const qsizetype messages = platform.messages.size();
        QDialog* const shown = session->shownDialog();
        for (const QString& other : others) {
            start(other);
        }
        QCOMPARE(platform.beeps - beeps, others.size());
        QVERIFY(session->model == before && platform.messages.size() == messages &&
                session->shownDialog() == shown && session->window.isVisible());
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
            const int needed =
                qobject_cast<const QPushButton*>(button)
                    ? button->fontMetrics().horizontalAdvance(WithoutAccessKey(button->text())) + 8
                    : button->sizeHint().width();
            QVERIFY2(needed <= button->width(), qPrintable(button->text()));
        }
        for (const QGroupBox* frame : dialog.findChildren<QGroupBox*>()) {
            const int needed =
                frame->fontMetrics().horizontalAdvance(WithoutAccessKey(frame->title())) + 16;
            QVERIFY2(needed <= frame->width(), qPrintable(frame->title()));
        }
    }

    // The rows `list` shows when open, each whole.
    static int rowsShown(QComboBox& list) {
        list.showPopup();
        QAbstractItemView* view = list.view();
        if (!QTest::qWaitForWindowExposed(view->window())) {
            return -1;
        }
        const int rows = view->viewport()->height() / view->sizeHintForRow(0);
        list.hidePopup();
        return rows;
    }

  private Q_SLOTS:
    void init() {
        session = std::make_unique<WindowSession>(dir.filePath(QStringLiteral("Tickvane.ini")));
        // The list that the File menu's list command is given each time.
        writeFile(dir.filePath(QStringLiteral("list.txt")), "ZZA ZZB");
        session->platform.fileChoices = QStringList(3, dir.filePath(QStringLiteral("list.txt")));
        session->window.show();
        QVERIFY(QTest::qWaitForWindowActive(&session->window));
        // One site to edit in the chart sites dialog.
        session->model.chartSites = {{"Mine", "https://m.test/{symbol}", -1, 0, true, "mine"}};
    }

    void cleanup() { session.reset(); }

    // The tree's node selected before opening, the window's button or menu item that opens
    // the dialog, and a control the test changes (none: the dialog changes nothing).
    void mechanics_data() { AddDataRows(QStringLiteral("mechanics.txt")); }

    void mechanics() {
        QFETCH(QString, node);
        QFETCH(QString, trigger);
        QFETCH(QString, control);
        Model& model = session->model;
        const Model before = model;
        QDialog* const dialog = open(node, trigger);
        QVERIFY(dialog);
        QCOMPARE(dialog->minimumSize(), dialog->maximumSize());
        QVERIFY(!(dialog->windowFlags() & Qt::WindowMaximizeButtonHint));
        captionsFit(*dialog);
        othersRefused();
        const qsizetype dialogs = session->window.findChildren<QDialog*>().size();
        // Opened from another dialog, it leaves the model to that dialog's Done.
        const bool nested = qobject_cast<QDialog*>(dialog->parentWidget());
        enum { Escape, CloseBox, Enter };
        for (const int way : {Escape, CloseBox, Enter}) {
            if (way != Escape) {
                QCOMPARE(open(node, trigger), dialog);
            }
            if (!control.isEmpty()) {
                QWidget* changed = dialog->findChild<QWidget*>(control);
                QVERIFY2(changed, qPrintable(control));
                change(changed);
            }
            if (way == CloseBox) {
                dialog->close();
            } else {
                QTest::keyClick(dialog, way == Enter ? Qt::Key_Return : Qt::Key_Escape);
            }
            QVERIFY(!dialog->isVisible());
            QCOMPARE(session->window.findChildren<QDialog*>().size(), dialogs);
            while (QDialog* opener = nested ? topDialog() : nullptr) {
                opener->reject();
            }
            QTRY_VERIFY(session->window.tree().hasFocus());
            const bool applied = way == Enter && !control.isEmpty() && !nested;
            QCOMPARE(model == before, !applied);
            QCOMPARE(model.SettingsChanged, applied);
        }
    }

    // Every drop-down list of a dialog, with the rows it shows when open: its entries, up to
    // the dialog's limit. The list has 30 types, more than a type list shows.
    void dropDownRows_data() { AddDataRows(QStringLiteral("droprows.txt")); }

    void dropDownRows() {
        QFETCH(QString, trigger);
        QFETCH(QString, rows);
        Model& model = session->model;
        while (model.list.typeCount() < 30) {
            AppendType(model, QStringLiteral("T%1").arg(model.list.typeCount()));
        }
        session->window.tree().Fill_tree(-1, 0);
        QDialog* const dialog = open(QString(), trigger);
        QVERIFY(dialog);
        QVERIFY(QTest::qWaitForWindowExposed(dialog));
        QStringList shown;
        for (QComboBox* list : dialog->findChildren<QComboBox*>()) {
            if (list->window() == dialog) {  // not those of the dialogs it opens
                shown << list->objectName() + u' ' + QString::number(rowsShown(*list));
            }
        }
        QStringList expected = rows.split(QStringLiteral(", "));
        expected.sort();
        shown.sort();
        QCOMPARE(shown, expected);
    }

    // A message refuses the other commands in the same way until it is answered.
    void messageRefusesOtherCommands() {
        session->platform.duringMessage = [this] { othersRefused(); };
        open(QStringLiteral("Internet Stocks"), QStringLiteral("Delete"));  // it has stocks
        QVERIFY(!session->platform.duringMessage);
    }

    // Each access key ("&x") leads to one place in the window's menu bar and buttons, a menu or
    // a dialog (the custom URLs dialog's captions give "s" twice): "window", a menu's name, or
    // what opens the dialog.
    void accessKeys_data() { AddDataRows(QStringLiteral("accesskeys.txt")); }

    void accessKeys() {
        QFETCH(QString, place);
        QStringList captions;
        if (place == QStringLiteral("window")) {
            for (const QAction* menu : session->window.menuBar()->actions()) {
                captions << menu->text();
            }
            for (const QPushButton* button : session->window.findChildren<QPushButton*>()) {
                captions << button->text();
            }
        } else if (const auto* menu = session->window.findChild<QMenu*>(place)) {
            for (const QAction* item : menu->actions()) {
                captions << item->text();
            }
        } else {
            const QDialog* dialog = open(QString(), place);
            QVERIFY(dialog);
            for (const QAbstractButton* button : dialog->findChildren<QAbstractButton*>()) {
                captions << (button->window() == dialog ? button->text() : QString());
            }
            for (const QGroupBox* frame : dialog->findChildren<QGroupBox*>()) {
                captions << (frame->window() == dialog ? frame->title() : QString());
            }
        }
        QSet<QString> keys;
        for (const QString& caption : captions) {
            const QString key = caption.section(u'&', 1).left(1).toLower();
            QVERIFY2(key.isEmpty() || !keys.contains(key), qPrintable(caption));
            keys.insert(key);
        }
    }
};

QTEST_MAIN(DialogMechanicsTest)
#include "tst_dialogmechanics.moc"

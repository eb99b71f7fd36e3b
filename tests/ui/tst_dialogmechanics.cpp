#include "model/StockListOps.h"
#include "support/DataRows.h"
#include "support/Files.h"
#include "support/PseudoTranslator.h"
#include "support/WindowSession.h"
#include "ui/kit/AccessibleName.h"
#include "ui/window/StockTree.h"

#include <QAbstractItemView>
#include <QApplication>
#include <QCheckBox>
#include <QComboBox>
#include <QDialog>
#include <QGroupBox>
#include <QLabel>
#include <QLibraryInfo>
#include <QLineEdit>
#include <QMenu>
#include <QMenuBar>
#include <QPushButton>
#include <QRadioButton>
#include <QSet>
#include <QTemporaryDir>
#include <QTest>

// The translations that the build made, when it makes them.
#ifdef TICKVANE_TRANSLATIONS_DIR
const QStringList Translated{QStringLiteral("de"), QStringLiteral("fr")};
const QString TranslationsDir = QStringLiteral(TICKVANE_TRANSLATIONS_DIR);
#else
const QStringList Translated;
const QString TranslationsDir;
#endif

// What every dialog of the program shares, checked once for each of them from the window:
// made once and only hidden between uses, a fixed size with every caption readable, no other
// command while it is open, Enter is Done, Escape and the close box are Cancel, and the tree
// gets the focus back; and how many rows each of its drop-down lists shows when open.
class DialogMechanicsTest : public QObject {
    Q_OBJECT
  private:
    QTemporaryDir dir;
    std::unique_ptr<WindowSession> session;
    const QFont defaultFont = QApplication::font();
    std::vector<std::unique_ptr<QTranslator>> translators;

    // A menu item, a button, or a request of the tree (its double click or Delete key).
    void start(const QString& command) {
        if (!session->trigger(command)) {
            QVERIFY(QMetaObject::invokeMethod(&session->window.tree(), qPrintable(command)));
        }
    }

    static QDialog* topDialog() {
        return qobject_cast<QDialog*>(QApplication::activeModalWidget());
    }

    QDialog* open(const QString& node, const QString& trigger) {
        return session->open(node, trigger);
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

    // The room a control's caption needs; none for a control without one.
    static QSize captionSize(const QWidget& control) {
        const QFontMetrics metrics = control.fontMetrics();
        const auto* label = qobject_cast<const QLabel*>(&control);
        if (const auto* button = qobject_cast<const QPushButton*>(&control)) {
            return metrics.size(Qt::TextShowMnemonic, button->text()) + QSize(8, 0);
        }
        if (const auto* frame = qobject_cast<const QGroupBox*>(&control)) {
            return {metrics.horizontalAdvance(WithoutAccessKey(frame->title())) + 16, 0};
        }
        if (label && label->wordWrap()) {
            return {0, label->heightForWidth(label->width())};
        }
        return label || qobject_cast<const QAbstractButton*>(&control) ? control.sizeHint()
                                                                       : QSize();
    }

    // Every visible control of `window` holds its caption and lies within its frame, and no two
    // controls of one frame overlap.
    static void captionsFit(const QWidget& window) {
        QList<const QWidget*> shown;
        for (const QWidget* control : window.findChildren<QWidget*>()) {
            if (control->window() == &window && control->isVisible()) {
                shown << control;
            }
        }
        for (const QWidget* control : shown) {
            const QSize needed = captionSize(*control);
            const QRect place = control->geometry();
            const QByteArray name = control->objectName().toUtf8();
            QVERIFY2(needed.width() <= place.width() && needed.height() <= place.height(), name);
            QVERIFY2(!needed.isValid() || control->parentWidget()->rect().contains(place), name);
            for (const QWidget* other : shown) {
                QVERIFY2(other == control || other->parentWidget() != control->parentWidget() ||
                             !other->geometry().intersects(place),
                         name + " under " + other->objectName().toUtf8());
            }
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

    // A window built in the application's present font and language.
    void startSession() {
        session = std::make_unique<WindowSession>(dir.filePath(QStringLiteral("Tickvane.ini")));
        // The list that the File menu's list command is given each time.
        writeFile(dir.filePath(QStringLiteral("list.txt")), "ZZA ZZB");
        session->platform.fileChoices = QStringList(3, dir.filePath(QStringLiteral("list.txt")));
        session->window.show();
        QVERIFY(QTest::qWaitForWindowActive(&session->window));
        // One site to edit in the chart sites dialog.
        session->model.chartSites = {{"Mine", "https://m.test/{symbol}", -1, 0, true, "mine"}};
    }

    void closeDialogs() {
        while (QDialog* dialog = topDialog()) {
            dialog->reject();
        }
    }

    // The captions of the window's menu bar and buttons ("window"), of a menu (its name), or
    // of the dialog that `place` opens.
    QStringList captionsAt(const QString& place) {
        QStringList captions;
        if (place == QStringLiteral("window")) {
            for (const QAction* menu : session->window.menuBar()->actions()) {
                captions << menu->text();
            }
            for (const QPushButton* button : session->window.findChildren<QPushButton*>()) {
                captions << (button->window() == &session->window ? button->text() : QString());
            }
        } else if (const auto* menu = session->window.findChild<QMenu*>(place)) {
            for (const QAction* item : menu->actions()) {
                captions << item->text();
            }
        } else if (const QDialog* dialog = open(QString(), place)) {
            for (const QAbstractButton* button : dialog->findChildren<QAbstractButton*>()) {
                captions << (button->window() == dialog ? button->text() : QString());
            }
            for (const QGroupBox* frame : dialog->findChildren<QGroupBox*>()) {
                captions << (frame->window() == dialog ? frame->title() : QString());
            }
        } else {
            qWarning("%s opens no dialog", qPrintable(place));
        }
        return captions;
    }

    // Installs the translations into `language`; "en" has none.
    void translate(const QString& language) {
        if (language == QStringLiteral("pseudo")) {
            translators.push_back(std::make_unique<PseudoTranslator>());
        } else if (language != QStringLiteral("en")) {
            const std::pair<QString, QString> files[] = {
                {QStringLiteral("tickvane_"), TranslationsDir},
                {QStringLiteral("qtbase_"), QLibraryInfo::path(QLibraryInfo::TranslationsPath)}};
            for (const auto& [prefix, dir] : files) {
                translators.push_back(std::make_unique<QTranslator>());
                QVERIFY2(translators.back()->load(prefix + language, dir),
                         qPrintable(prefix + language));
            }
        }
        for (const auto& translator : translators) {
            QCoreApplication::installTranslator(translator.get());
        }
    }

    static void keysUnique(const QStringList& captions) {
        QSet<QString> keys;
        for (const QString& caption : captions) {
            const QString key = caption.section(u'&', 1).left(1).toLower();
            QVERIFY2(key.isEmpty() || !keys.contains(key), qPrintable(caption));
            keys.insert(key);
        }
    }

  private Q_SLOTS:
    void init() { startSession(); }

    void cleanup() {
        session.reset();
        translators.clear();
        QApplication::setFont(defaultFont);
    }

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
        const QStringList captions = captionsAt(place);
        QVERIFY(!captions.isEmpty());
        keysUnique(captions);
    }

    // The window and every dialog in each language at the default font and one half larger:
    // "pseudo" lengthens every text of the program by about 40%.
    void eachLanguage_data() {
        QTest::addColumn<QString>("language");
        QTest::addColumn<double>("scale");
        for (const QString& language : QStringList{"en", "pseudo"} + Translated) {
            for (const double scale : {1.0, 1.5}) {
                QTest::addRow("%s %gx", qPrintable(language), scale) << language << scale;
            }
        }
    }

    void eachLanguage() {
        QFETCH(QString, language);
        QFETCH(double, scale);
        translate(language);
        QFont font = defaultFont;
        font.setPointSizeF(font.pointSizeF() * scale);
        QApplication::setFont(font);
        startSession();
        captionsFit(session->window);
        for (const QStringList& row : DataRows(QStringLiteral("mechanics.txt"))) {
            QDialog* const dialog = open(row[1], row[2]);
            QVERIFY2(dialog, qPrintable(row[0]));
            captionsFit(*dialog);
            closeDialogs();
        }
        for (const QStringList& row : DataRows(QStringLiteral("accesskeys.txt"))) {
            keysUnique(captionsAt(row[1]));
            closeDialogs();
        }
    }
};

QTEST_MAIN(DialogMechanicsTest)
#include "tst_dialogmechanics.moc"

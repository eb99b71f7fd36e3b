#include "support/DataRows.h"
#include "support/EditingHarness.h"
#include "support/FixedGeometry.h"
#include "support/WindowSession.h"
#include "ui/kit/DialogLayout.h"
#include "ui/kit/Twips.h"
#include "ui/window/MainWindow.h"
#include "ui/window/SingleWindow.h"
#include "ui/window/StockTree.h"

#include <QApplication>
#include <QDir>
#include <QLineEdit>
#include <QPushButton>
#include <QTemporaryDir>
#include <QTest>

// The main window: start-up from the store, how the panels follow the window's size, and
// the exit question.
class MainWindowTest : public QObject {
    Q_OBJECT
  private:
    QTemporaryDir dir;
    QString storeFile() const { return dir.filePath(QStringLiteral("Tickvane.ini")); }
    QString recoveryFile() const { return storeFile() + QStringLiteral(".recovery"); }

    // Stores a two-type list, and the given geometry to be used at start-up.
    void storeList(const TwipsGeometry& geometry) {
        Model model;
        ApplyDefaults(model, QString());
        BuildList(model, QStringLiteral("Bonds:|Metals:Gold"));
        model.general.UseSavedGeometry = true;
        FixedGeometry stored;
        stored.geometry = geometry;
        QVERIFY(Storage(storeFile()).save(model, stored).ok);
    }

    static qsizetype nodes(const StockTree& tree) {
        return tree.findItems(QStringLiteral("*"), Qt::MatchWildcard | Qt::MatchRecursive).size();
    }

    static QWidget* child(MainWindow& window, const char* name) {
        return window.findChild<QWidget*>(QLatin1String(name));
    }

    static QRect layoutRect(const QWidget& window, int left, int top, int width, int height) {
        return QRect(LayoutPixels(window, left), LayoutPixels(window, top),
                     LayoutPixels(window, width), LayoutPixels(window, height));
    }

    static void showAndWait(MainWindow& window) {
        window.show();
        QVERIFY(QTest::qWaitForWindowExposed(&window));
    }

  private Q_SLOTS:
    void init() {
        QFile::remove(storeFile());
        QFile::remove(recoveryFile());
    }

    // A stored size below the designed one, or a place on no screen, is not taken.
    void storedListAndGeometry_data() {
        QTest::addColumn<TwipsGeometry>("stored");
        QTest::addColumn<bool>("sizeKept");
        QTest::addColumn<bool>("placeKept");
        QTest::newRow("restored") << TwipsGeometry{1500, 3000, 8000, 12000} << true << true;
        QTest::newRow("off every screen")
            << TwipsGeometry{1500, 1500000, 8000, 12000} << true << false;
        QTest::newRow("minimised when saved")
            << TwipsGeometry{-48000, -48000, 500, 2500} << false << false;
        QTest::newRow("below the designed size")
            << TwipsGeometry{1500, 1500, 1000, 1000} << false << true;
    }

    void storedListAndGeometry() {
        QFETCH(TwipsGeometry, stored);
        QFETCH(bool, sizeKept);
        QFETCH(bool, placeKept);
        storeList(stored);
        WindowSession session(storeFile());
        auto& [model, storage, platform, window] = session;
        QCOMPARE(nodes(window.tree()), 3);
        QCOMPARE(window.tree().selectedNode(), 1);
        QVERIFY(!model.SettingsChanged);
        const TwipsGeometry now = window.current();
        const auto near = [](int a, int b) { return qAbs(a - b) <= PixelsToTwips(1); };
        if (sizeKept) {
            QVERIFY(near(now.Width, stored.Width) && near(now.Height, stored.Height));
        } else {
            QCOMPARE(window.size(), window.minimumSize());
        }
        QCOMPARE(near(now.Left, stored.Left) && near(now.Top, stored.Top), placeKept);
        QVERIFY(window.pos().x() >= 0 && window.pos().y() >= 0);
        // The file the window loaded is its own: saving over it asks nothing.
        QVERIFY(session.trigger(QStringLiteral("SaveSettings")));
        QVERIFY(platform.messages.isEmpty());
    }

    // With a wider font the whole layout stretches, so every caption keeps fitting its button.
    void captionsFitTheirButtonsInAWideFont() {
        const QFont before = QApplication::font();
        QFont wide = before;
        wide.setPointSize(14);
        QApplication::setFont(wide);
        WindowSession session(storeFile());
        QApplication::setFont(before);
        for (const QPushButton* button : session.window.findChildren<QPushButton*>()) {
            for (const QString& line : button->text().remove(u'&').split(u'\n')) {
                QVERIFY2(button->fontMetrics().horizontalAdvance(line) + 8 < button->width(),
                         qPrintable(line));
            }
        }
    }

    // Growing the window moves the right frames and grows the tree; shrinking below the
    // start-up size snaps back; maximising lays out as growing does.
    void resizeMovesTheRightFramesAndGrowsTheTree() {
        WindowSession session(storeFile());
        MainWindow& window = session.window;
        showAndWait(window);
        const QSize start = window.minimumSize();
        const QRect tree = layoutRect(window, 120, 240, 2652, 4116);
        const QRect editFrame = layoutRect(window, 3600, 240, 1452, 4452);
        QCOMPARE(child(window, "WebTree")->geometry(), tree);
        const int dx = TwipsToPixels(1000);
        const int dy = TwipsToPixels(500);
        window.resize(start + QSize(dx, dy));
        QTRY_COMPARE(child(window, "WebTree")->geometry(), tree.adjusted(0, 0, dx, dy));
        QCOMPARE(child(window, "EditFrame")->geometry(), editFrame.translated(dx, 0));
        QCOMPARE(child(window, "BrowserFrame")->x(), LayoutPixels(window, 5400) + dx);
        window.resize(start - QSize(dx, dy));
        QTRY_COMPARE(window.size(), start);
        QCOMPARE(child(window, "EditFrame")->geometry(), editFrame);
        // Maximised, it is laid out for its size too, and keeps its normal size to store.
        const TwipsGeometry normal = window.current();
        window.showMaximized();
        QTRY_VERIFY(window.isMaximized() && window.width() > start.width());
        QTRY_COMPARE(child(window, "EditFrame")->x(),
                     editFrame.x() + window.width() - start.width());
        QCOMPARE(window.current().Width, normal.Width);
    }

    // The find bar (Ctrl+F) selects what it finds as the text is typed, and what was selected
    // when it opened while nothing matches; Enter and F3 go on, Shift+F3 back; Escape closes
    // it, giving the tree its height, the focus and the match. Opened again, it holds the text
    // typed before. While nothing matches, its field says so in words as well as in red.
    // Rows: tests/data/findbar.txt; keys are pressed after typing.
    void findBar_data() { AddDataRows(QStringLiteral("findbar.txt")); }

    void findBar() {
        QFETCH(QString, typed);
        QFETCH(QString, keys);
        QFETCH(QString, selected);
        QFETCH(QString, said);
        WindowSession session(storeFile());
        showAndWait(session.window);
        StockTree& tree = session.window.tree();
        const int height = tree.height();
        QVERIFY(session.trigger(QStringLiteral("Find")));
        auto* field = session.window.findChild<QLineEdit*>(QStringLiteral("FindText"));
        QTRY_VERIFY(field->hasFocus());
        QVERIFY(tree.height() < height);
        QTest::keyClicks(field, typed);
        for (const QString& key : keys.split(u',', Qt::SkipEmptyParts)) {
            QTest::keySequence(field, QKeySequence(key));
        }
        QCOMPARE(tree.currentItem()->text(0), selected);
        QCOMPARE(field->accessibleDescription(), said);  // to a screen reader
        QTest::keyClick(field, Qt::Key_Escape);
        QVERIFY(!field->isVisible());
        QTRY_VERIFY(tree.hasFocus());
        QCOMPARE(tree.currentItem()->text(0), selected);
        QCOMPARE(tree.height(), height);
        // Opened again, the bar holds its text, selected.
        QVERIFY(session.trigger(QStringLiteral("Find")));
        QTRY_VERIFY(field->hasFocus());
        QCOMPARE(field->selectedText(), typed);
    }

    void closingAsksToSaveUnsavedChanges_data() {
        QTest::addColumn<QList<Platform::Answer>>("answers");
        QTest::addColumn<bool>("closes");
        QTest::addColumn<bool>("saved");
        using A = Platform::Answer;
        QTest::newRow("unchanged: no question") << QList<A>{} << true << false;
        QTest::newRow("Yes saves") << QList<A>{A::Yes} << true << true;
        QTest::newRow("No does not save") << QList<A>{A::No} << true << false;
        QTest::newRow("Cancel keeps the window") << QList<A>{A::Cancel} << false << false;
    }

    void closingAsksToSaveUnsavedChanges() {
        QFETCH(QList<Platform::Answer>, answers);
        QFETCH(bool, closes);
        QFETCH(bool, saved);
        WindowSession session(storeFile());
        auto& [model, storage, platform, window] = session;
        showAndWait(window);
        QCOMPARE(nodes(window.tree()), 11);  // the starter list, from an empty store
        model.SettingsChanged = !answers.isEmpty();
        QTRY_COMPARE(QFile::exists(recoveryFile()), model.SettingsChanged);
        platform.answers = answers;
        QVERIFY(session.trigger(QStringLiteral("Exit")));
        QCOMPARE(QFile::exists(recoveryFile()), !closes);  // kept while the changes are
        QCOMPARE(platform.messages.size(), answers.size());
        if (!answers.isEmpty()) {
            QCOMPARE(platform.lastMessage(),
                     QStringLiteral("Settings have been changed, save before exiting?"));
            QCOMPARE(platform.messages[0].buttons, Platform::Buttons::YesNoCancel);
            QCOMPARE(platform.messages[0].defaultButton, Platform::Answer::Cancel);
        }
        QCOMPARE(window.isVisible(), !closes);
        QCOMPARE(window.ExitCancelled, !closes);
        QCOMPARE(QFile::exists(storeFile()), saved);
        if (!closes) {
            // The close box is refused the same way.
            platform.answers = {Platform::Answer::Cancel};
            QVERIFY(!window.close());
            QVERIFY(window.isVisible());
        }
    }

    // The recovery file holds what is not saved, from within a second of a change until the
    // changes are saved or undone; a folder in its way is told once and stops no command.
    // Rows: tests/data/recoveryfile.txt; file: kept, gone, or blocked by a folder.
    void recoveryFileFollowsUnsavedChanges_data() {
        AddDataRows(QStringLiteral("recoveryfile.txt"));
    }

    void recoveryFileFollowsUnsavedChanges() {
        QFETCH(QString, commands);
        QFETCH(QString, file);
        const bool blocked = file == "blocked";
        storeList({});
        QVERIFY(!blocked || QDir().mkdir(recoveryFile()));
        WindowSession session(storeFile());
        QVERIFY(session.select(QStringLiteral("Bonds")));
        for (const QString& command : commands.split(u' ')) {
            QVERIFY(session.trigger(command));
            if (!blocked) {
                QTRY_COMPARE(QFile::exists(recoveryFile()), session.model.SettingsChanged);
            }
        }
        QTest::qWait(blocked ? 1600 : 0);  // long enough for two writes to fail
        QCOMPARE(QFile::exists(recoveryFile()), file != "gone");
        QCOMPARE(session.platform.messages.size(), blocked ? 1 : 0);
        QVERIFY(session.platform.lastMessage().contains(blocked ? recoveryFile() : QString()));
        QDir().rmdir(recoveryFile());
    }

    // A window that ended without a save offers its changes at the next start; over a store
    // that changed meanwhile it says so and keeps the store unless told otherwise.
    void recoveryOfferedAtNextStart_data() {
        QTest::addColumn<bool>("storeChanged");
        QTest::addColumn<Platform::Answer>("answer");
        QTest::newRow("restored") << false << Platform::Answer::Yes;
        QTest::newRow("refused") << false << Platform::Answer::No;
        QTest::newRow("store changed, restored") << true << Platform::Answer::Yes;
        QTest::newRow("store changed, refused") << true << Platform::Answer::No;
    }

    void recoveryOfferedAtNextStart() {
        QFETCH(bool, storeChanged);
        QFETCH(Platform::Answer, answer);
        storeList({});
        QString unsaved;
        {
            WindowSession killed(storeFile());
            QVERIFY(killed.select(QStringLiteral("Bonds")));
            QVERIFY(killed.trigger(QStringLiteral("MoveDown")));
            QTRY_VERIFY(QFile::exists(recoveryFile()));
            unsaved = DescribeList(killed.model.list);
        }  // gone without closing, as a killed window goes
        if (storeChanged) {
            storeList({600, 600, 9000, 12000});
        }
        Model model;
        FakePlatform platform;
        platform.answers = {answer};
        const Storage storage(storeFile());
        const MainWindow window(model, storage, platform);
        QCOMPARE(platform.messages.size(), 1);
        QVERIFY(platform.lastMessage().startsWith(
            "Tickvane was not closed properly. Restore the changes that were not saved?"));
        QCOMPARE(platform.lastMessage().contains(storeFile()), storeChanged);
        QCOMPARE(platform.messages[0].buttons, Platform::Buttons::YesNo);
        QCOMPARE(platform.messages[0].defaultButton,
                 storeChanged ? Platform::Answer::No : Platform::Answer::Yes);
        const bool restored = answer == Platform::Answer::Yes;
        QCOMPARE(DescribeList(model.list) == unsaved, restored);
        QCOMPARE(model.SettingsChanged, restored);
        QCOMPARE(QFile::exists(recoveryFile()), restored);
    }

    // A later start on the file of an open window brings that window to the front and ends;
    // both starts run in this process.
    // Rows: tests/data/laterstarts.txt; listening "no": the file is held, but nobody answers;
    // later: the file the later start names; exitCode -1: the later start opens its window.
    void laterStart_data() { AddDataRows(QStringLiteral("laterstarts.txt")); }

    void laterStart() {
        QFETCH(QString, listening);
        QFETCH(QString, later);
        QFETCH(QString, exitCode);
        QFile::link(dir.path(), dir.filePath("linked"));
        QFile::link(storeFile(), dir.filePath("alias.ini"));
        FakePlatform platform;
        QWidget window;
        StoreLock lock(storeFile());
        QVERIFY(listening == "yes" || lock.tryHold() == StoreLock::State::Held);
        SingleWindow first(storeFile(), platform);
        QVERIFY(listening == "no" || !first.claim());
        first.setWindow(window);
        SingleWindow second(dir.filePath(later), platform, std::chrono::milliseconds(300));
        QCOMPARE(second.claim().value_or(-1), exitCode.toInt());
        QCOMPARE(platform.raised, exitCode == "0" ? QList<QWidget*>{&window} : QList<QWidget*>{});
        QCOMPARE(platform.lastMessage(),
                 exitCode == "1" ? "Tickvane is already open with " + dir.filePath(later) + "."
                                 : QString());
    }

    void failedSaveOnExitAsksAgain() {
        WindowSession session(dir.path());  // a directory cannot be written as the store
        auto& [model, storage, platform, window] = session;
        platform.messages.clear();  // the unreadable store was reported at start-up
        model.SettingsChanged = true;
        platform.answers = {Platform::Answer::Yes, Platform::Answer::Ok, Platform::Answer::Cancel};
        QVERIFY(!window.close());
        QCOMPARE(platform.messages.size(), 3);
        QVERIFY(platform.messages[1].text.contains(dir.path()));
        QCOMPARE(platform.messages[2].text, platform.messages[0].text);
        QVERIFY(model.SettingsChanged);
        platform.answers = {Platform::Answer::No};
        QVERIFY(window.close());
    }
};

QTEST_MAIN(MainWindowTest)
#include "tst_mainwindow.moc"

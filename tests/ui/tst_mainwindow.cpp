#include "support/FakePlatform.h"
#include "support/FixedGeometry.h"
#include "ui/DialogLayout.h"
#include "ui/MainWindow.h"
#include "ui/StockTree.h"
#include "ui/Twips.h"

#include <QAction>
#include <QApplication>
#include <QPushButton>
#include <QTemporaryDir>
#include <QTest>

namespace {
// A window started on a store file, with its model and a scripted platform.
struct Session {
    explicit Session(const QString& storeFile) : storage(storeFile) {}
    Model model;
    const Storage storage;
    FakePlatform platform;
    MainWindow window{model, storage, platform};
};
}  // namespace

// The main window: start-up from the store, how the panels follow the window's size, and
// the exit question.
class MainWindowTest : public QObject {
    Q_OBJECT
  private:
    QTemporaryDir dir;
    QString storeFile() const { return dir.filePath(QStringLiteral("Tickvane.ini")); }

    // Stores a two-type list, and the given geometry to be used at start-up.
    void storeList(const TwipsGeometry& geometry) {
        Model model;
        ApplyDefaults(model);
        StockList& list = model.list;
        list.Maxtypes = 1;
        list.Maxstocks = 0;
        list.types[0] = {QStringLiteral("Bonds"), 0, -1};
        list.types[1] = {QStringLiteral("Metals"), 0, 0};
        list.stocks[0].Stock = QStringLiteral("GLD");
        list.stocks[0].Description = QStringLiteral("Gold");
        model.general.UseSavedGeometry = true;
        FixedGeometry stored;
        stored.geometry = geometry;
        QVERIFY(Storage(storeFile()).save(model, stored).ok);
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
    void init() { QFile::remove(storeFile()); }

    void emptyStoreStartsWithTheStarterList() {
        Session session(storeFile());
        auto& [model, storage, platform, window] = session;
        QCOMPARE(window.windowTitle(), QStringLiteral("Tickvane"));
        QCOMPARE(window.tree().nodeCount(), 11);
        QCOMPARE(window.tree().selectedNode(), 1);
        QVERIFY(platform.messages.isEmpty());
        // The editing buttons are connected.
        window.findChild<QPushButton*>(QStringLiteral("MoveDown"))->click();
        QCOMPARE(model.list.types[1].Type, QStringLiteral("Market Indices"));
        model.SettingsChanged = false;
        QVERIFY(window.close());
        QVERIFY(platform.messages.isEmpty());
        QVERIFY(!QFile::exists(storeFile()));
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
        QTest::newRow("zero size") << TwipsGeometry{100, 100, 0, 0} << false << false;
        QTest::newRow("below the designed size")
            << TwipsGeometry{1500, 1500, 1000, 1000} << false << true;
    }

    void storedListAndGeometry() {
        QFETCH(TwipsGeometry, stored);
        QFETCH(bool, sizeKept);
        QFETCH(bool, placeKept);
        storeList(stored);
        Session session(storeFile());
        auto& [model, storage, platform, window] = session;
        QCOMPARE(window.tree().nodeCount(), 3);
        QCOMPARE(window.tree().selectedNode(), 1);
        QVERIFY(!model.SettingsChanged);
        const TwipsGeometry now = window.current();
        const auto near = [](int a, int b) { return qAbs(a - b) <= PixelsToTwips(1); };
        if (sizeKept) {
            QVERIFY(near(now.Width, stored.Width) && near(now.Height, stored.Height));
        } else {
            QCOMPARE(window.size(), window.startUpSize());
        }
        QCOMPARE(near(now.Left, stored.Left) && near(now.Top, stored.Top), placeKept);
        QVERIFY(window.pos().x() >= 0 && window.pos().y() >= 0);
    }

    // With a wider font the whole layout stretches, so every caption keeps fitting its button.
    void captionsFitTheirButtons_data() {
        QTest::addColumn<int>("pointSize");  // 0: the default font
        QTest::newRow("default font") << 0;
        QTest::newRow("wide font") << 14;
    }

    void captionsFitTheirButtons() {
        QFETCH(int, pointSize);
        const QFont before = QApplication::font();
        QFont font = before;
        if (pointSize > 0) {
            font.setPointSize(pointSize);
        }
        QApplication::setFont(font);
        Session session(storeFile());
        QApplication::setFont(before);
        for (const QPushButton* button : session.window.findChildren<QPushButton*>()) {
            for (const QString& line : button->text().remove(u'&').split(u'\n')) {
                QVERIFY2(button->fontMetrics().horizontalAdvance(line) + 8 < button->width(),
                         qPrintable(line));
            }
        }
    }

    void resizeMovesTheRightFramesAndGrowsTheTree_data() {
        QTest::addColumn<int>("wider");  // twips
        QTest::addColumn<int>("higher");
        QTest::addColumn<int>("expectedWider");
        QTest::addColumn<int>("expectedHigher");
        QTest::newRow("start-up size") << 0 << 0 << 0 << 0;
        QTest::newRow("1000 wider") << 1000 << 0 << 1000 << 0;
        QTest::newRow("500 higher") << 0 << 500 << 0 << 500;
        QTest::newRow("smaller snaps back") << -1000 << -500 << 0 << 0;
    }

    void resizeMovesTheRightFramesAndGrowsTheTree() {
        QFETCH(int, wider);
        QFETCH(int, higher);
        QFETCH(int, expectedWider);
        QFETCH(int, expectedHigher);
        Session session(storeFile());
        auto& [model, storage, platform, window] = session;
        showAndWait(window);
        const QSize start = window.startUpSize();
        const QRect treeFrame = layoutRect(window, 360, 240, 2892, 4452);
        const QRect tree = layoutRect(window, 120, 240, 2652, 4116);
        QCOMPARE(child(window, "WebTreeFrame")->geometry(), treeFrame);

        window.resize(start.width() + TwipsToPixels(wider), start.height() + TwipsToPixels(higher));
        const int dx = TwipsToPixels(expectedWider);
        const int dy = TwipsToPixels(expectedHigher);
        QTRY_COMPARE(window.size(), start + QSize(dx, dy));
        QCOMPARE(child(window, "WebTreeFrame")->geometry(), treeFrame.adjusted(0, 0, dx, dy));
        QCOMPARE(child(window, "WebTree")->geometry(), tree.adjusted(0, 0, dx, dy));
        QCOMPARE(child(window, "Filler1")->width(), LayoutPixels(window, 3000) + dx);
        QCOMPARE(child(window, "EditFrame")->geometry(),
                 layoutRect(window, 3600, 240, 1452, 4452).translated(dx, 0));
        QCOMPARE(child(window, "BrowserFrame")->geometry(),
                 layoutRect(window, 5400, 240, 1692, 1932).translated(dx, 0));
        QCOMPARE(child(window, "MoveUp")->geometry(), layoutRect(window, 120, 240, 1212, 492));
    }

    void maximisingKeepsTheLayoutAndRestoringRedoesIt() {
        Session session(storeFile());
        auto& [model, storage, platform, window] = session;
        showAndWait(window);
        const int wider = TwipsToPixels(1000);
        window.resize(window.startUpSize() + QSize(wider, 0));
        QTRY_COMPARE(child(window, "EditFrame")->x(), LayoutPixels(window, 3600) + wider);
        const QRect editFrame = child(window, "EditFrame")->geometry();
        const QRect tree = child(window, "WebTree")->geometry();

        window.showMaximized();
        QTRY_VERIFY(window.isMaximized());
        QTRY_VERIFY(window.width() > window.startUpSize().width() + wider);
        QCOMPARE(child(window, "EditFrame")->geometry(), editFrame);
        QCOMPARE(child(window, "WebTree")->geometry(), tree);

        window.showNormal();
        QTRY_VERIFY(!window.isMaximized());
        QTRY_COMPARE(window.size(), window.startUpSize() + QSize(wider, 0));
        QCOMPARE(child(window, "EditFrame")->geometry(), editFrame);
        QCOMPARE(child(window, "WebTree")->geometry(), tree);
    }

    void closingAsksToSaveUnsavedChanges_data() {
        QTest::addColumn<QList<Platform::Answer>>("answers");
        QTest::addColumn<bool>("closes");
        QTest::addColumn<bool>("saved");
        using A = Platform::Answer;
        QTest::newRow("Yes saves") << QList<A>{A::Yes} << true << true;
        QTest::newRow("No does not save") << QList<A>{A::No} << true << false;
        QTest::newRow("Cancel keeps the window") << QList<A>{A::Cancel} << false << false;
    }

    void closingAsksToSaveUnsavedChanges() {
        QFETCH(QList<Platform::Answer>, answers);
        QFETCH(bool, closes);
        QFETCH(bool, saved);
        Session session(storeFile());
        auto& [model, storage, platform, window] = session;
        showAndWait(window);
        model.SettingsChanged = true;
        platform.answers = answers;
        window.findChild<QAction*>(QStringLiteral("Exit"))->trigger();
        QCOMPARE(platform.messages.size(), 1);
        QCOMPARE(platform.lastMessage(),
                 QStringLiteral("Settings have been changed, save before exiting?"));
        QCOMPARE(platform.messages[0].buttons, Platform::Buttons::YesNoCancel);
        QCOMPARE(platform.messages[0].defaultButton, Platform::Answer::Cancel);
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

    void failedSaveOnExitAsksAgain() {
        Session session(dir.path());  // a directory cannot be written as the store
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

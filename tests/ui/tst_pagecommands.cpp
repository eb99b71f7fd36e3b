#include "support/FakePlatform.h"
#include "support/Files.h"
#include "ui/window/HelpCommands.h"
#include "ui/window/PageCommands.h"
#include "ui/window/StockTree.h"

#include <QTemporaryDir>
#include <QTest>

// The page buttons and the documentation command: what is asked, what is opened, and what is
// said when the file is not there.
class PageCommandsTest : public QObject {
    Q_OBJECT
  private:
    using A = Platform::Answer;
    static constexpr const char* Warning =
        "Warning: you have entered changes but have not regenerated web pages.  Do you want to "
        "regenerate first?";
    static constexpr const char* NotFound =
        "Initial web page not found.  Please generate web pages and retry.";

    QTemporaryDir dir;
    Model model;
    FakePlatform platform;

    QString startPage() const { return dir.filePath(QStringLiteral("stockpoint.frame.html")); }

  private Q_SLOTS:
    void init() {
        platform = FakePlatform();
        ApplyDefaults(model);
        DefaultStockList(model);
        model.general.HtmlDir = dir.path() + u'/';
        for (const QString& file : QDir(dir.path()).entryList(QDir::Files)) {
            QFile::remove(dir.filePath(file));
        }
    }

    void startBrowser_data() {
        QTest::addColumn<bool>("changed");
        QTest::addColumn<bool>("generatedBefore");
        QTest::addColumn<bool>("pageExists");
        QTest::addColumn<QList<A>>("answers");
        QTest::addColumn<QStringList>("shown");
        QTest::addColumn<bool>("opened");
        const QString w = QLatin1String(Warning);
        const QString gone = QLatin1String(NotFound);
        const QString done = QStringLiteral("Pages generated.");
        QTest::newRow("no change, page there")
            << false << false << true << QList<A>{} << QStringList{} << true;
        QTest::newRow("no change, no page")
            << false << false << false << QList<A>{} << QStringList{gone} << false;
        QTest::newRow("changed after a generation")
            << true << true << true << QList<A>{} << QStringList{} << true;
        QTest::newRow("changed, Yes regenerates")
            << true << false << false << QList<A>{A::Yes} << QStringList{w, done} << true;
        QTest::newRow("changed, No, page there")
            << true << false << true << QList<A>{A::No} << QStringList{w} << true;
        QTest::newRow("changed, Cancel")
            << true << false << true << QList<A>{A::Cancel} << QStringList{w} << false;
    }

    void startBrowser() {
        QFETCH(bool, changed);
        QFETCH(bool, generatedBefore);
        QFETCH(bool, pageExists);
        QFETCH(QList<A>, answers);
        QFETCH(QStringList, shown);
        QFETCH(bool, opened);
        model.SettingsChanged = changed;
        model.PagesGenerated = generatedBefore;
        if (pageExists) {
            writeFile(startPage(), {});
        }
        platform.answers = answers;
        StockTree tree(model);
        PageCommands(model, platform, tree).StartBrowser();
        QStringList texts;
        for (const auto& message : platform.messages) {
            texts << message.text;
        }
        QCOMPARE(texts, shown);
        if (!answers.isEmpty()) {
            QCOMPARE(platform.messages[0].buttons, Platform::Buttons::YesNoCancel);
            QCOMPARE(platform.messages[0].defaultButton, A::Yes);
        }
        QCOMPARE(platform.opened, opened ? QStringList{startPage()} : QStringList{});
    }

    void generateGivesTheTreeTheFocusBack() {
        StockTree tree(model);
        tree.show();
        QVERIFY(QTest::qWaitForWindowActive(&tree));
        tree.clearFocus();
        PageCommands(model, platform, tree).GenerateWebPages();
        QCOMPARE(platform.lastMessage(), QStringLiteral("Pages generated."));
        QTRY_VERIFY(tree.hasFocus());
    }

    void failedGenerationOpensNothing() {
        // A folder cannot be made inside a plain file.
        writeFile(dir.filePath(QStringLiteral("blocker")), {});
        model.general.HtmlDir = dir.filePath(QStringLiteral("blocker/pages/"));
        model.SettingsChanged = true;
        platform.answers = {A::Yes};
        StockTree tree(model);
        PageCommands(model, platform, tree).StartBrowser();
        QCOMPARE(platform.messages.size(), 2);
        QVERIFY(platform.lastMessage().contains(model.general.HtmlDir));
        QVERIFY(platform.opened.isEmpty());
    }

    void failedOpenIsReported() {
        writeFile(startPage(), {});
        platform.openSucceeds = false;
        StockTree tree(model);
        PageCommands(model, platform, tree).StartBrowser();
        QCOMPARE(platform.messages.size(), 1);
        QVERIFY(platform.lastMessage().contains(startPage()));
    }

    void documentationPrefersTheOutputDirectory_data() {
        QTest::addColumn<QStringList>("present");  // folders holding a copy
        QTest::addColumn<QString>("expected");     // folder of the copy opened; empty: none
        QTest::newRow("output directory first") << QStringList{"out", "bin", "share"} << "out";
        QTest::newRow("beside the program") << QStringList{"bin", "share"} << "bin";
        QTest::newRow("installed data") << QStringList{"share"} << "share";
        QTest::newRow("nowhere") << QStringList{} << "";
    }

    void documentationPrefersTheOutputDirectory() {
        QFETCH(QStringList, present);
        QFETCH(QString, expected);
        QTemporaryDir root;
        for (const char* folder : {"out", "bin", "share"}) {
            QVERIFY(QDir(root.path()).mkdir(folder));
        }
        for (const QString& folder : present) {
            writeFile(root.filePath(folder + QStringLiteral("/TickVane.Doc.html")), {});
        }
        model.general.HtmlDir = root.filePath(QStringLiteral("out/"));
        HelpCommands help(model, platform, {root.filePath("bin"), root.filePath("share")});
        help.ViewDocumentation();
        if (expected.isEmpty()) {
            QVERIFY(platform.opened.isEmpty());
            QCOMPARE(platform.messages.size(), 1);
            QVERIFY(platform.lastMessage().contains(model.general.HtmlDir));
        } else {
            QCOMPARE(platform.opened,
                     QStringList{root.filePath(expected + QStringLiteral("/TickVane.Doc.html"))});
            QVERIFY(platform.messages.isEmpty());
        }
    }
};

QTEST_MAIN(PageCommandsTest)
#include "tst_pagecommands.moc"

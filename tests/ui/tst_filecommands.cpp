#include "support/FakePlatform.h"
#include "support/FixedGeometry.h"
#include "ui/FileCommands.h"
#include "ui/StockTree.h"

#include <QTemporaryDir>
#include <QTest>

// The File menu with scripted answers: clearing, export and import, and that every refusal or
// failure leaves the user's work as it was.
class FileCommandsTest : public QObject {
    Q_OBJECT
  private:
    using A = Platform::Answer;

    QTemporaryDir dir;
    Model model;
    Storage storage{dir.filePath(QStringLiteral("Tickvane.ini"))};
    FakePlatform platform;
    FixedGeometry geometry;
    StockTree* tree = nullptr;
    FileCommands* commands = nullptr;

    QString path(const char* name) const { return dir.filePath(QLatin1String(name)); }

    void renameFirstType(const char* name) {
        model.list.types[0].Type = QLatin1String(name);
        tree->Fill_tree(0, -1);
    }

    // A script holding the starter list with the first type named "Imported".
    QString exportedScript() {
        renameFirstType("Imported");
        platform.fileChoices = {path("backup.reg")};
        commands->ExportSettings();
        platform.messages.clear();
        platform.fileProposals.clear();
        renameFirstType("Mine");
        return path("backup.reg");
    }

  private Q_SLOTS:
    void init() {
        for (const QString& file : QDir(dir.path()).entryList(QDir::Files)) {
            QFile::remove(dir.filePath(file));
        }
        platform = FakePlatform();
        ApplyDefaults(model);
        DefaultStockList(model);
        model.general.HtmlDir = dir.path() + u'/';
        tree = new StockTree(model);
        commands = new FileCommands(model, storage, platform, *tree, geometry);
        tree->Fill_tree(0, -1);
    }

    void cleanup() {
        delete commands;
        delete tree;
    }

    void clearSettings_data() {
        QTest::addColumn<A>("answer");
        QTest::addColumn<bool>("cleared");
        QTest::newRow("OK") << A::Ok << true;
        QTest::newRow("Cancel") << A::Cancel << false;
    }

    void clearSettings() {
        QFETCH(A, answer);
        QFETCH(bool, cleared);
        model.general.Yahoo_enable = false;
        platform.answers = {answer};
        commands->ClearSettings();
        QCOMPARE(platform.messages.size(), 1);
        QCOMPARE(platform.messages[0].text,
                 QStringLiteral("Are your sure you want to revert to default settings and delete "
                                "your list of stocks?  This action cannot be undone."));
        QCOMPARE(platform.messages[0].buttons, Platform::Buttons::OkCancel);
        QCOMPARE(platform.messages[0].defaultButton, A::Cancel);
        QCOMPARE(model.SettingsChanged, cleared);
        QCOMPARE(model.general.Yahoo_enable, cleared);
        QCOMPARE(model.list.Maxtypes, qint16(cleared ? -1 : 2));
        QCOMPARE(tree->nodeCount(), cleared ? 0 : 11);
        QCOMPARE(tree->topLevelItemCount(), cleared ? 0 : 3);
        QVERIFY(!QFile::exists(storage.storeFile()));
    }

    void exportWritesTheChosenFile() {
        model.SettingsChanged = true;
        platform.fileChoices = {path("out.reg")};
        commands->ExportSettings();
        QCOMPARE(platform.fileProposals, QStringList{path("tickvane.reg")});
        QCOMPARE(platform.lastMessage(), QStringLiteral("Export complete."));
        QVERIFY(QFile::exists(path("out.reg")));
        QVERIFY(model.SettingsChanged);
    }

    void exportCancelledWritesNothing() {
        commands->ExportSettings();
        QVERIFY(platform.messages.isEmpty());
        QCOMPARE(QDir(dir.path()).entryList(QDir::Files), QStringList());
    }

    void exportFailureNamesTheFile() {
        const QString target = path("missing-dir/out.reg");
        platform.fileChoices = {target};
        commands->ExportSettings();
        QCOMPARE(platform.messages.size(), 1);
        QVERIFY(platform.lastMessage().contains(target));
        QVERIFY(platform.lastMessage() != QStringLiteral("Export complete."));
    }

    void importReplacesListAndReloads() {
        const QString script = exportedScript();
        model.SettingsChanged = true;
        platform.answers = {A::Yes};
        platform.fileChoices = {script};
        commands->ImportSettings();
        QCOMPARE(platform.messages.size(), 1);
        QVERIFY(platform.messages[0].text.startsWith(
            QStringLiteral("Warning: settings and stock list will entered into the Windows "
                           "registry.  Any existing settings")));
        QCOMPARE(platform.messages[0].buttons, Platform::Buttons::YesNoCancel);
        QCOMPARE(platform.fileProposals, QStringList{path("tickvane.reg")});
        QCOMPARE(model.list.types[0].Type, QStringLiteral("Imported"));
        QCOMPARE(tree->topLevelItem(0)->text(0), QStringLiteral("Imported"));
        QCOMPARE(tree->selectedNode(), 1);
        QVERIFY(!model.SettingsChanged);
        QVERIFY(QFile::exists(storage.storeFile()));
    }

    void importStopsWithoutChange_data() {
        QTest::addColumn<QList<A>>("answers");
        QTest::addColumn<QString>("file");  // chosen in the open dialog; empty: cancelled
        QTest::addColumn<int>("messages");
        QTest::newRow("warning: No") << QList<A>{A::No} << "backup.reg" << 1;
        QTest::newRow("warning: Cancel") << QList<A>{A::Cancel} << "backup.reg" << 1;
        QTest::newRow("open dialog cancelled") << QList<A>{A::Yes} << "" << 1;
        QTest::newRow("file refused") << QList<A>{A::Yes} << "garbage.reg" << 2;
        QTest::newRow("file missing") << QList<A>{A::Yes} << "nowhere.reg" << 2;
    }

    void importStopsWithoutChange() {
        QFETCH(QList<A>, answers);
        QFETCH(QString, file);
        QFETCH(int, messages);
        exportedScript();
        QFile garbage(path("garbage.reg"));
        QVERIFY(garbage.open(QIODevice::WriteOnly));
        garbage.write("this is not a registry script\n");
        garbage.close();
        model.SettingsChanged = true;
        platform.answers = answers;
        if (!file.isEmpty()) {
            platform.fileChoices = {dir.filePath(file)};
        }
        commands->ImportSettings();
        QCOMPARE(platform.messages.size(), messages);
        if (messages == 2) {
            QVERIFY(platform.lastMessage().contains(dir.filePath(file)));
        }
        QCOMPARE(model.list.types[0].Type, QStringLiteral("Mine"));
        QCOMPARE(tree->topLevelItem(0)->text(0), QStringLiteral("Mine"));
        QVERIFY(model.SettingsChanged);
        QVERIFY(!QFile::exists(storage.storeFile()));
    }

    void saveFailureKeepsTheChanges() {
        const Storage unwritable(dir.path());
        FileCommands failing(model, unwritable, platform, *tree, geometry);
        model.SettingsChanged = true;
        QVERIFY(!failing.SaveSettings());
        QCOMPARE(platform.messages.size(), 1);
        QVERIFY(platform.lastMessage().contains(dir.path()));
        QVERIFY(model.SettingsChanged);
    }

    void exitQuestion_data() {
        QTest::addColumn<bool>("changed");
        QTest::addColumn<QList<A>>("answers");
        QTest::addColumn<bool>("mayEnd");
        QTest::addColumn<int>("questions");
        QTest::newRow("nothing changed") << false << QList<A>{} << true << 0;
        QTest::newRow("Yes") << true << QList<A>{A::Yes} << true << 1;
        QTest::newRow("No") << true << QList<A>{A::No} << true << 1;
        QTest::newRow("Cancel") << true << QList<A>{A::Cancel} << false << 1;
    }

    void exitQuestion() {
        QFETCH(bool, changed);
        QFETCH(QList<A>, answers);
        QFETCH(bool, mayEnd);
        QFETCH(int, questions);
        model.SettingsChanged = changed;
        platform.answers = answers;
        QCOMPARE(commands->ConfirmExit(), mayEnd);
        QCOMPARE(platform.messages.size(), questions);
        const bool saved = !answers.isEmpty() && answers[0] == A::Yes;
        QCOMPARE(QFile::exists(storage.storeFile()), saved);
        QCOMPARE(model.SettingsChanged, changed && !saved);
    }
};

QTEST_MAIN(FileCommandsTest)
#include "tst_filecommands.moc"

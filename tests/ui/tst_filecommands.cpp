#include "support/EditingHarness.h"
#include "support/FakePlatform.h"
#include "support/Files.h"
#include "support/FixedGeometry.h"
#include "ui/window/FileCommands.h"
#include "ui/window/StockTree.h"

#include <utime.h>
#include <QTemporaryDir>
#include <QTest>

namespace {
using A = Platform::Answer;

// The File menu over the starter list, with a store and an output folder of its own.
struct Session {
    QTemporaryDir dir;
    Model model;
    Storage storage{dir.filePath(QStringLiteral("Tickvane.ini"))};
    FakePlatform platform;
    FixedGeometry geometry;
    StockTree tree{model};
    FileCommands commands{model, storage, platform, tree, geometry};

    Session() {
        ApplyDefaults(model);
        DefaultStockList(model);
        model.general.HtmlDir = dir.path() + u'/';
        model.SettingsChanged = true;
        tree.Fill_tree(0, -1);
    }
    QString path(const QString& name) const { return dir.filePath(name); }
};
}  // namespace

// The File menu with scripted answers: clearing, export and import, and that every refusal or
// failure leaves the user's work as it was.
class FileCommandsTest : public QObject {
    Q_OBJECT
  private Q_SLOTS:
    void clearSettings_data() {
        QTest::addColumn<A>("answer");
        QTest::addColumn<bool>("cleared");
        QTest::newRow("OK") << A::Ok << true;
        QTest::newRow("Cancel") << A::Cancel << false;
    }

    void clearSettings() {
        QFETCH(A, answer);
        QFETCH(bool, cleared);
        Session s;
        s.model.SettingsChanged = false;
        s.platform.answers = {answer};
        s.commands.ClearSettings();
        QCOMPARE(s.platform.messages.size(), 1);
        QCOMPARE(s.platform.messages[0].text,
                 QStringLiteral("Are your sure you want to revert to default settings and delete "
                                "your list of stocks?  This action cannot be undone."));
        QCOMPARE(s.platform.messages[0].buttons, Platform::Buttons::OkCancel);
        QCOMPARE(s.platform.messages[0].defaultButton, A::Cancel);
        QCOMPARE(s.model.SettingsChanged, cleared);
        QCOMPARE(s.model.list.Maxtypes, qint16(cleared ? -1 : 2));
        QCOMPARE(s.tree.topLevelItemCount(), cleared ? 0 : 3);
        QVERIFY(!QFile::exists(s.storage.storeFile()));
    }

    void exportSettings_data() {
        QTest::addColumn<QString>("file");  // chosen in the save dialog; empty: cancelled
        QTest::addColumn<QString>("message");
        QTest::newRow("written") << "out.reg"
                                 << "Export complete.";
        QTest::newRow("cancelled") << ""
                                   << "";
        QTest::newRow("failed") << "missing-dir/out.reg"
                                << "missing-dir/out.reg";
    }

    void exportSettings() {
        QFETCH(QString, file);
        QFETCH(QString, message);
        Session s;
        if (!file.isEmpty()) {
            s.platform.fileChoices = {s.path(file)};
        }
        s.commands.ExportSettings();
        QCOMPARE(s.platform.fileProposals, QStringList{s.path("tickvane.reg")});
        QCOMPARE(s.platform.messages.size(), message.isEmpty() ? 0 : 1);
        QVERIFY(s.platform.lastMessage().contains(message));
        QCOMPARE(QDir(s.dir.path()).entryList(QDir::Files),
                 message == "Export complete." ? QStringList{file} : QStringList());
        QVERIFY(s.model.SettingsChanged);
    }

    void importSettings_data() {
        QTest::addColumn<A>("answer");
        QTest::addColumn<QString>("file");  // chosen in the open dialog; empty: cancelled
        QTest::addColumn<bool>("imported");
        QTest::newRow("imported") << A::Yes << "backup.reg" << true;
        QTest::newRow("warning: No") << A::No << "backup.reg" << false;
        QTest::newRow("warning: Cancel") << A::Cancel << "backup.reg" << false;
        QTest::newRow("open dialog cancelled") << A::Yes << "" << false;
        QTest::newRow("file refused") << A::Yes << "garbage.reg" << false;
        QTest::newRow("file missing") << A::Yes << "nowhere.reg" << false;
    }

    // Only a script that was read replaces the list; every refusal leaves the user's work.
    void importSettings() {
        QFETCH(A, answer);
        QFETCH(QString, file);
        QFETCH(bool, imported);
        Session s;
        s.model.list.types[0].Type = QStringLiteral("Imported");
        QVERIFY(s.storage.exportScript(s.model, s.geometry, s.path("backup.reg")).ok);
        s.model.list.types[0].Type = QStringLiteral("Mine");
        s.tree.Fill_tree(0, -1);
        QFile garbage(s.path("garbage.reg"));
        QVERIFY(garbage.open(QIODevice::WriteOnly) && garbage.write("not a registry script\n"));
        garbage.close();
        s.platform.answers = {answer};
        if (!file.isEmpty()) {
            s.platform.fileChoices = {s.path(file)};
        }
        s.commands.ImportSettings();
        QVERIFY(s.platform.messages[0].text.startsWith(
            QStringLiteral("Warning: settings and stock list will entered into the Windows "
                           "registry.  Any existing settings")));
        QCOMPARE(s.platform.messages[0].buttons, Platform::Buttons::YesNoCancel);
        QCOMPARE(s.platform.messages[0].defaultButton, A::No);
        QCOMPARE(s.platform.fileProposals,
                 answer == A::Yes ? QStringList{s.path("tickvane.reg")} : QStringList());
        const bool refused = answer == A::Yes && !imported && !file.isEmpty();
        QCOMPARE(s.platform.messages.size(), refused ? 2 : 1);
        QVERIFY(s.platform.lastMessage().contains(refused ? s.path(file) : QString()));
        const QString first = QString::fromLatin1(imported ? "Imported" : "Mine");
        QCOMPARE(DescribeList(s.model.list).section(u':', 0, 0), first);
        QCOMPARE(s.tree.topLevelItemCount(), 3);
        QCOMPARE(s.tree.topLevelItem(0)->text(0), first);
        QCOMPARE(s.tree.selectedNode(), 1);
        QCOMPARE(s.model.SettingsChanged, !imported);
        QCOMPARE(QFile::exists(s.storage.storeFile()), imported);
        // The imported file is the window's own: saving over it asks nothing.
        const qsizetype shown = s.platform.messages.size();
        QVERIFY(s.commands.SaveSettings());
        QCOMPARE(s.platform.messages.size(), shown);
    }

    // A save, from the menu or on exit, asks before it replaces a file that another program
    // wrote since the window was started or last saved. "Indicez" keeps size and time.
    void outsideChange_data() {
        QTest::addColumn<QByteArray>("outside");  // the first type's name written from outside
        QTest::addColumn<QList<A>>("answers");    // more than one: on exit
        QTest::addColumn<bool>("replaced");
        QTest::newRow("unchanged: saved at once") << QByteArray() << QList<A>{} << true;
        QTest::newRow("save, Yes") << QByteArray("Other") << QList<A>{A::Yes} << true;
        QTest::newRow("save, No") << QByteArray("Other") << QList<A>{A::No} << false;
        QTest::newRow("same size and time")
            << QByteArray("Market Indicez") << QList<A>{A::No} << false;
        QTest::newRow("exit, Yes, Yes") << QByteArray("Other") << QList<A>{A::Yes, A::Yes} << true;
        QTest::newRow("exit, Yes, No, No")
            << QByteArray("Other") << QList<A>{A::Yes, A::No, A::No} << false;
    }

    void outsideChange() {
        QFETCH(QByteArray, outside);
        QFETCH(QList<A>, answers);
        QFETCH(bool, replaced);
        Session s;
        const QByteArray store = QFile::encodeName(s.storage.storeFile());
        const utimbuf time{1700000000, 1700000000};
        QVERIFY(s.commands.SaveSettings() && utime(store, &time) == 0);
        FileCommands window{s.model, s.storage, s.platform, s.tree, s.geometry};
        s.model.list.types[0].Type = QStringLiteral("Ours");
        s.model.SettingsChanged = true;
        if (!outside.isEmpty()) {
            writeFile(store, readFile(store).replace("=Market Indices", "=" + outside));
            QCOMPARE(utime(store, &time), 0);
        }
        s.platform.answers = answers;
        const bool onExit = answers.size() > 1;
        QCOMPARE(onExit ? window.ConfirmExit() : window.SaveSettings(), replaced || onExit);
        QCOMPARE(s.platform.messages.size(), answers.size());
        if (!outside.isEmpty()) {
            QCOMPARE(s.platform.messages[onExit].defaultButton, A::No);
            QCOMPARE(s.platform.messages[onExit].text,
                     "The settings file " + store +
                         " was changed outside Tickvane since it was "
                         "loaded. Replace it with the settings shown here?");
        }
        QCOMPARE(readFile(store).contains("Type0=Ours\n"), replaced);
        QCOMPARE(s.model.SettingsChanged, !replaced);
        // What the window saved, it replaces without a question.
        QVERIFY(!replaced || window.SaveSettings());
        QCOMPARE(s.platform.messages.size(), answers.size());
    }
};

QTEST_MAIN(FileCommandsTest)
#include "tst_filecommands.moc"

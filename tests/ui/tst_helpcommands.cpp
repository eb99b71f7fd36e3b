#include "support/FakePlatform.h"
#include "support/Files.h"
#include "ui/window/HelpCommands.h"

#include <QTemporaryDir>
#include <QTest>

// The documentation command: which copy of the guide it opens, and what it says when there
// is none.
class HelpCommandsTest : public QObject {
    Q_OBJECT
  private Q_SLOTS:
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
        Model model;
        model.general.HtmlDir = root.filePath(QStringLiteral("out/"));
        FakePlatform platform;
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

QTEST_GUILESS_MAIN(HelpCommandsTest)
#include "tst_helpcommands.moc"

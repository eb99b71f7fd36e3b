#include "store/ListCsv.h"
#include "support/EditingHarness.h"
#include "support/Files.h"
#include "ui/lists/ListPreview.h"
#include "ui/window/ListCommands.h"

#include <QComboBox>
#include <QLabel>
#include <QTemporaryDir>
#include <QTest>

namespace {
// The list commands over "Tech: IBM, MSFT | Banks: JPM", wired as the window wires them.
struct Session : EditingHarness {
    QTemporaryDir dir;
    ListCommands lists{model, tree, platform};

    Session() : EditingHarness(QStringLiteral("Tech:ibm,msft|Banks:jpm")) {
        ConnectListCommands(tree, lists, platform);
        model.general.HtmlDir = dir.path() + u'/';
    }
    QString path(const QString& name) const { return dir.filePath(name); }
    QString summary() { return lists.preview().findChild<QLabel*>("ListSummary")->text(); }
};
}  // namespace

class ListCommandsTest : public QObject {
    Q_OBJECT
  private Q_SLOTS:
    // Every way in opens the preview on the list; rows that name no type go to the selected
    // type (a stock's owner), else the last; Add selects the first stock added.
    void waysIn_data() {
        QTest::addColumn<QString>("way");
        QTest::addColumn<QString>("selected");
        QTest::addColumn<QString>("list");
        const auto row = [](const char* name, const char* way, const char* selected,
                            const char* list) {
            QTest::newRow(name) << QString(way) << QString(selected) << QString(list);
        };
        const char* toBanks = "Tech:ibm,msft|Banks:jpm,NVDA,IBM,XOM";
        const char* toTech = "Tech:ibm,msft,NVDA,XOM|Banks:jpm";
        row("File menu", "menu", "jpm", toBanks);
        row("Ctrl+V of text", "paste text", "Tech", toTech);
        row("Ctrl+V of a copied file", "paste file", "", toBanks);
        row("drop of text", "drop text", "msft", toTech);
        row("drop of a file", "drop file", "Banks", toBanks);
    }
    void waysIn() {
        QFETCH(QString, way);
        QFETCH(QString, selected);
        QFETCH(QString, list);
        Session s;
        s.select(selected);
        const QByteArray text = "nvda, ibm\nXOM";
        writeFile(s.path("list.txt"), text);
        const OfferedList offered =
            way.endsWith("file") ? OfferedList{s.path("list.txt"), {}} : OfferedList{{}, text};
        if (way == "menu") {
            s.platform.fileChoices = {s.path("list.txt")};
            s.lists.AddStocksFromList();
        } else if (way.startsWith("paste")) {
            s.platform.clipboard = offered;
            QTest::keyClick(&s.tree, Qt::Key_V, Qt::ControlModifier);
        } else {
            s.platform.dropped(offered);
        }
        QVERIFY(s.lists.preview().isVisible());
        s.lists.preview().Done_Click();
        QCOMPARE(s.list(), list);
        QCOMPARE(s.selected(), "NVDA");
        QVERIFY(s.model.SettingsChanged);
    }

    // Nothing to read: a message with the source and the line, or a beep; no preview.
    void unreadable_data() {
        QTest::addColumn<QString>("way");
        QTest::addColumn<QString>("offered");  // the text; the File menu offers a missing file
        QTest::addColumn<QString>("message");  // empty: a beep
        const auto row = [](const char* name, const char* way, const char* offered,
                            const char* message) {
            QTest::newRow(name) << QString(way) << QString(offered) << QString(message);
        };
        row("missing file", "menu", "",
            "\"$T/none.csv\" could not be read: No such file or directory.");
        row("pasted binary", "paste", "A\nB\x01",
            "The pasted text, line 2: holds the control character U+0001, so it is not a list.");
        row("dropped header without symbols", "drop", "Name,Sector\nApple,Tech",
            "The dropped text, line 1: the header names no symbol column (Symbol, Ticker or "
            "Code).");
        row("empty clipboard", "paste", "", "");
    }
    void unreadable() {
        QFETCH(QString, way);
        QFETCH(QString, offered);
        QFETCH(QString, message);
        Session s;
        if (way == "menu") {
            s.platform.fileChoices = {s.path("none.csv")};
            s.lists.AddStocksFromList();
        } else if (way == "paste") {
            s.platform.clipboard.text = offered;
            s.lists.PasteList();
        } else {
            s.platform.dropped({{}, offered});
        }
        QCOMPARE(s.platform.lastMessage(), message.replace("$T", s.dir.path()));
        QCOMPARE(s.platform.beeps, message.isEmpty() ? 1 : 0);
        QVERIFY(!s.lists.preview().isVisible());
    }

    // The type for rows that name none can be changed in the preview; a list past the
    // capacity is refused on Add, and the preview stays open.
    void preview() {
        Session s;
        s.select(QStringLiteral("Tech"));
        s.platform.dropped({{}, QStringLiteral("NVDA JPM")});
        QCOMPARE(s.summary(), "2 to add, 0 new types, 0 duplicates, 0 refused");
        s.lists.preview().findChild<QComboBox*>("ListType")->setCurrentIndex(1);
        QCOMPARE(s.summary(), "1 to add, 0 new types, 1 duplicate, 0 refused");

        s.model.list.Maxstocks = StockCapacity - 2;
        s.model.list.types[1].Histock = s.model.list.Maxstocks;
        const Model full = s.model;
        s.platform.dropped({{}, QStringLiteral("Symbol,Type\nA,Tech\nB,New")});
        QVERIFY(
            s.summary().endsWith("The list has room for 1 more stock, not 2 (it holds at "
                                 "most 1001). Nothing is added."));
        s.lists.preview().Done_Click();
        QVERIFY(s.platform.lastMessage().startsWith("The list has room for 1 more stock"));
        QVERIFY(s.lists.preview().isVisible());
        QCOMPARE(s.model.list, full.list);
    }

    void saveListAsCsv_data() {
        QTest::addColumn<QString>("file");  // chosen in the save dialog; empty: cancelled
        QTest::addColumn<QString>("message");
        QTest::newRow("written") << "out.csv" << QString();
        QTest::newRow("cancelled") << QString() << QString();
        QTest::newRow("failed") << "missing/out.csv"
                                << "Could not write \"$T/missing/out.csv\": No such file or "
                                   "directory.";
    }
    void saveListAsCsv() {
        QFETCH(QString, file);
        QFETCH(QString, message);
        Session s;
        s.platform.fileChoices = {file.isEmpty() ? file : s.path(file)};
        s.lists.SaveListAsCsv();
        QCOMPARE(s.platform.fileProposals, {s.path("tickvane.csv")});
        QCOMPARE(s.platform.lastMessage(), message.replace("$T", s.dir.path()));
        QCOMPARE(readFile(s.path("out.csv")), file == "out.csv" ? ListCsv(s.model.list) : "");
    }
};

QTEST_MAIN(ListCommandsTest)
#include "tst_listcommands.moc"

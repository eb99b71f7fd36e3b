#include "listfiles/ListCsv.h"
#include "model/StockListOps.h"
#include "settings/Storage.h"
#include "support/EditingHarness.h"
#include "support/Files.h"
#include "ui/lists/ListPreview.h"
#include "ui/lists/ListPreviewTable.h"
#include "ui/window/ListFileCommands.h"

#include <QComboBox>
#include <QLabel>
#include <QTableView>
#include <QTemporaryDir>
#include <QTest>

namespace {
// The list file commands over "Tech: IBM, MSFT | Banks: JPM", wired as the window wires them.
struct Session : EditingHarness {
    QTemporaryDir dir;
    Storage storage{dir.filePath(QStringLiteral("settings.ini"))};
    ListFileCommands lists{model, storage, tree, platform, history};

    Session() : EditingHarness(QStringLiteral("Tech:ibm,msft|Banks:jpm")) {
        writeFile(path("settings.ini"), "[General]\n");
        ConnectListFileCommands(tree, lists, platform, guard);
        model.general.HtmlDir = dir.path() + u'/';
    }
    QString path(const QString& name) const { return dir.filePath(name); }
    QString summary() { return lists.preview().findChild<QLabel*>("ListSummary")->text(); }
};
}  // namespace

class ListFileCommandsTest : public QObject {
    Q_OBJECT
  private Q_SLOTS:
    // Every way in opens the preview on what it offers; rows that name no type go to the
    // selected type (a stock's owner), else the last; Add selects the first stock added. What
    // cannot be read is a message with the source and the line, or a beep; no preview.
    void waysIn_data() {
        QTest::addColumn<QString>("way");
        QTest::addColumn<QString>("offered");  // the text, written to list.txt for a file
        QTest::addColumn<QString>("selected");
        QTest::addColumn<QString>("result");  // the list after Add, the message, or "beep"
        const auto row = [](const char* name, const char* way, const char* offered,
                            const char* selected, const char* result) {
            QTest::newRow(name) << QString(way) << QString(offered) << QString(selected)
                                << QString(result);
        };
        const char* list = "nvda, ibm\nXOM";
        const char* toBanks = "Tech:ibm,msft|Banks:jpm,NVDA,IBM,XOM";
        const char* toTech = "Tech:ibm,msft,NVDA,XOM|Banks:jpm";
        row("File menu", "menu file", list, "jpm", toBanks);
        row("Ctrl+V of text", "paste text", list, "Tech", toTech);
        row("Ctrl+V of a copied file", "paste file", list, "", toBanks);
        row("drop of text", "drop text", list, "msft", toTech);
        row("drop of a file", "drop file", list, "Banks", toBanks);
        row("missing file", "menu none", "", "",
            "\"$T/none\" could not be read: No such file or directory.");
        row("pasted binary", "paste text", "A\nB\x01", "",
            "The pasted text, line 2: holds the control character U+0001, so it is not a list.");
        row("dropped header without symbols", "drop text", "Name,Sector\nApple,Tech", "",
            "The dropped text, line 1: the header names no symbol column (Symbol, Ticker or "
            "Code).");
        row("empty clipboard", "paste text", "", "", "beep");
    }
    void waysIn() {
        QFETCH(QString, way);
        QFETCH(QString, offered);
        QFETCH(QString, selected);
        QFETCH(QString, result);
        Session s;
        s.select(selected);
        writeFile(s.path("list.txt"), offered.toUtf8());
        const QString file = s.path(way.section(u' ', 1) == "file" ? "list.txt" : "none");
        const OfferedList given =
            way.endsWith("text") ? OfferedList{{}, offered} : OfferedList{file, {}};
        if (way.startsWith("menu")) {
            s.platform.fileChoices = {file};
            s.lists.AddStocksFromList();
        } else if (way.startsWith("paste")) {
            s.platform.clipboard = given;
            QTest::keyClick(&s.tree, Qt::Key_V, Qt::ControlModifier);
        } else {
            const QDialog* taker = s.platform.dropped(given);  // the drop waits for it
            const QDialog* preview = &s.lists.preview();
            QCOMPARE(taker, preview->isVisible() ? preview : nullptr);
        }
        if (s.lists.preview().isVisible()) {
            s.lists.preview().Done_Click();
            QCOMPARE(s.list(), result);
            QCOMPARE(s.selected(), "NVDA");
            QVERIFY(s.model.SettingsChanged);
            // Undo takes away exactly the rows added, the type's own stocks stay.
            s.history.stack().undo();
            QCOMPARE(s.list(), "Tech:ibm,msft|Banks:jpm");
            s.history.stack().redo();
            QCOMPARE(s.list(), result);
        } else {
            QCOMPARE(s.platform.beeps ? "beep" : s.platform.lastMessage(),
                     result.replace("$T", s.dir.path()));
        }
    }

    // The type for rows that name none can be changed in the preview; the exchange column
    // shows only for a list that names exchanges; a list that changed under it is left alone;
    // a list past the capacity is refused on Add, and the preview stays open.
    void preview() {
        Session s;
        s.select(QStringLiteral("Tech"));
        const auto* rows = s.lists.preview().findChild<QTableView*>("ListRows");
        s.platform.dropped({{}, QStringLiteral("Symbol,Exchange\nSAP,ETR\nIBM,")});
        QVERIFY(!rows->isColumnHidden(ListPreviewTable::ExchangeColumn));
        QCOMPARE(rows->model()->index(0, ListPreviewTable::ExchangeColumn).data(), "XETR");
        s.lists.preview().reject();
        s.platform.dropped({{}, QStringLiteral("NVDA JPM")});
        QVERIFY(rows->isColumnHidden(ListPreviewTable::ExchangeColumn));
        QCOMPARE(s.summary(), "2 to add, 0 new types, 0 duplicates, 0 refused");
        s.lists.preview().findChild<QComboBox*>("ListType")->setCurrentIndex(1);
        QCOMPARE(s.summary(), "1 to add, 0 new types, 1 duplicate, 0 refused");

        AppendType(s.model, QStringLiteral("Late"));  // the list changes under the preview
        s.lists.preview().Done_Click();
        QCOMPARE(s.platform.lastMessage(),
                 "The list changed while this dialog was open; nothing was changed.");
        QCOMPARE(s.list(), "Tech:ibm,msft|Banks:jpm|Late:");

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

    // Into a list without types, the rows start one named after where they come from; a
    // row's tip says in full what happens to it, and how to add a refused one.
    void listWithoutTypes_data() {
        QTest::addColumn<QString>("way");
        QTest::addColumn<QString>("type");
        QTest::newRow("file") << QString("file") << QString("my.list");
        QTest::newRow("paste") << QString("paste") << QString("Pasted");
        QTest::newRow("drop") << QString("drop") << QString("Dropped");
    }
    void listWithoutTypes() {
        QFETCH(QString, way);
        QFETCH(QString, type);
        Session s;
        BuildList(s.model, {});
        s.tree.Fill_tree(-1, -1);
        const QString list = QStringLiteral("Symbol,Name\nnvda,Nvidia\n,none");
        writeFile(s.path("my.list.csv"), list.toUtf8());
        s.platform.clipboard = {{}, list};
        if (way == "file") {
            s.platform.fileChoices = {s.path("my.list.csv")};
            s.lists.AddStocksFromList();
        } else if (way == "paste") {
            s.lists.PasteList();
        } else {
            s.platform.dropped({{}, list});
        }
        ListPreview& preview = s.lists.preview();
        QCOMPARE(preview.findChild<QComboBox*>("ListType")->currentText(), type + " (new)");
        QCOMPARE(
            preview.findChild<QTableView*>("ListRows")->model()->index(1, 5).data(Qt::ToolTipRole),
            "refused: no symbol. To add this row, give it a symbol in the list and bring it "
            "in again.");
        preview.Done_Click();
        QCOMPARE(s.list(), type + ":Nvidia");
    }

    void saveListAsCsv_data() {
        QTest::addColumn<QString>("file");  // chosen in the save dialog; empty: cancelled
        QTest::addColumn<QString>("message");
        QTest::newRow("written") << "out.csv" << QString();
        QTest::newRow("cancelled") << QString() << QString();
        QTest::newRow("onto the settings")
            << "settings.ini"
            << "Could not write \"$T/settings.ini\": it is the settings file itself.";
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

QTEST_MAIN(ListFileCommandsTest)
#include "tst_listfilecommands.moc"

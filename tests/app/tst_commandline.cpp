#include "model/Model.h"
#include "store/RegistryScript.h"
#include "store/StoreLayout.h"
#include "support/Files.h"

#include <sys/stat.h>
#include <QCoreApplication>
#include <QDir>
#include <QFile>
#include <QProcess>
#include <QTemporaryDir>
#include <QTest>

namespace {
struct Run {
    int exitCode = -1;
    QString out;
    QString err;
};

bool isFifo(const QString& path) {
    struct stat info {};
    return ::lstat(QFile::encodeName(path).constData(), &info) == 0 && S_ISFIFO(info.st_mode);
}
}  // namespace

// The program run as the user runs it, on temporary files. "$T" in a row is the test folder.
class CommandLineTest : public QObject {
    Q_OBJECT
    QTemporaryDir dir;
    QString program;
    QString store;
    Model imported;
    TwipsGeometry importedGeometry{120, 240, 6000, 9000};

    Run tickvane(QStringList arguments, const QByteArray& input = {}) {
        arguments.replaceInStrings(QStringLiteral("$T"), dir.path());
        QProcess process;
        process.start(program, QStringList{QStringLiteral("--settings"), store} + arguments);
        process.write(input);
        process.closeWriteChannel();
        Run run;
        if (process.waitForFinished(60000) && process.exitStatus() == QProcess::NormalExit) {
            run.exitCode = process.exitCode();
        }
        run.out = QString::fromUtf8(process.readAllStandardOutput());
        run.err = QString::fromUtf8(process.readAllStandardError());
        return run;
    }

    QString path(const QString& name) const { return dir.filePath(name); }

    QByteArray script() {
        return WriteRegistryScript(ModelSections(imported, importedGeometry)).bytes;
    }

  private Q_SLOTS:
    void initTestCase() {
        // The tests and the program are built side by side in the build tree.
        program = QCoreApplication::applicationDirPath() + QStringLiteral("/../src/app/tickvane");
        QVERIFY2(QFile::exists(program), qPrintable(program));
        store = path(QStringLiteral("config/Tickvane.ini"));
        // The sockets of the windows started here, killed ones too, go with the folder.
        qputenv("XDG_RUNTIME_DIR", QFile::encodeName(dir.path()));
        ApplyDefaults(imported);
        DefaultStockList(imported);
        imported.general.HtmlDir = path(QStringLiteral("pages/"));
        // The export without a window must carry the stored geometry even so.
        imported.general.UseSavedGeometry = false;
        imported.general.SiteEnabled[3] = false;
        imported.list.types[1].Type = QStringLiteral("Tech \"A\" & co, ltd; #1");
        imported.list.stocks[0].Description = QStringLiteral(" C:\\Börse\\ = 100% ");
        imported.stockMaster.CompSym[4] = QStringLiteral("@IBM");
        imported.custom[0] = {2, QStringLiteral("News [wire]"),
                              QStringLiteral("https://x/?a=1&b=2")};
        imported.chartSites = {{QStringLiteral("Finviz"),
                                QStringLiteral("https://finviz.com/quote.ashx?t={symbol|dash}"), -1,
                                2, true, QStringLiteral("finviz")}};
        // Kept by an import, which names each on a line of its own.
        imported.custom[1].CustomURL = QStringLiteral("data:,x");
        imported.list.stocks[imported.list.Maxstocks].URL = QStringLiteral("JavaScript:void(0)");
        QVERIFY(QDir().mkpath(imported.general.HtmlDir));
        writeFile(path("in.reg"), script());
        writeFile(path("other.reg"), script().replace("Market Indices", "Other"));
        writeFile(path("bad.ini"), "Buy=low\n");
        writeFile(path("one.csv"), "Symbol,Type\nNVDA,Chips\n");
        QVERIFY(QFile::link(store, path("store.lnk")));
        writeFile(path("binary.csv"), QByteArray("Symbol\nA\0B", 11));
        writeFile(path("refused.csv"), "Symbol,Name,Symbol\n,x,Y\n");
        QByteArray full = "Symbol\n";
        for (int s = 0; s < StockCapacity; ++s) {
            full += 'S' + QByteArray::number(s) + '\n';
        }
        writeFile(path("full.csv"), full);
        writeFile(path("damaged.ini"),
                  "[StockList]\nMaxtypes=0\nMaxstocks=2\nType0=X\nLowstock0=0\n"
                  "Histock0=9\nStock0=A\nStock1=B\nStock2=C\n");
    }

    void init() { QCOMPARE(tickvane({"--import", "$T/in.reg"}).exitCode, 0); }

    void importThenExportThenGenerate() {
        // Registry names do not depend on case; the store keeps the program's spelling.
        QByteArray otherCase = script();
        otherCase.replace("\\StockList]", "\\stocklist]").replace("\"Maxtypes\"", "\"MAXTYPES\"");
        writeFile(path(QStringLiteral("case.reg")), otherCase);
        const Run import = tickvane({"--import", "$T/case.reg"});
        const QString unlinked = " in " + path("case.reg") +
                                 " does not start with http://, https://, ftp://, mailto: or "
                                 "file:, so the pages show the description without a link.\n";
        QVERIFY2(import.exitCode == 0 &&
                     import.err == "CustomURL1" + unlinked + "URL" +
                                       QString::number(imported.list.Maxstocks) + unlinked,
                 qPrintable(import.err));

        const Run exportRun = tickvane({"--export", "-"});
        QVERIFY2(exportRun.exitCode == 0, qPrintable(exportRun.err));
        QCOMPARE(exportRun.out.toUtf8(), script());

        const Run generate = tickvane({"--generate"});
        QVERIFY2(generate.exitCode == 0, qPrintable(generate.err));
        const QStringList written = generate.out.split(u'\n', Qt::SkipEmptyParts);
        QCOMPARE(written.size(), 10);
        QVERIFY(written.contains(imported.general.HtmlDir + "finviz.html"));
        for (const QString& file : written) {
            QVERIFY2(file.startsWith(imported.general.HtmlDir) && QFile::exists(file),
                     qPrintable(file));
        }
    }

    // The command line's own errors (exit status 2 and the hint) and every failure (1): the
    // message names the file and the cause, and the store is as it was.
    void exitCodesAndMessages_data() {
        QTest::addColumn<QStringList>("arguments");
        QTest::addColumn<int>("exitCode");
        QTest::addColumn<QString>("out");  // how standard output starts; empty: nothing
        QTest::addColumn<QString>("err");  // part of standard error; empty: nothing
        const QString usage =
            "Give at most one of --generate, --export, --import, --add-list and "
            "--export-list, and no other arguments.\nTry 'tickvane --help'.\n";
        const auto row = [](const char* name, const QStringList& arguments, int exitCode,
                            const QString& out, const QString& err) {
            QTest::newRow(name) << arguments << exitCode << out << err;
        };
        row("--help", {"--help"}, 0,
            "Usage: tickvane [options]\nKeeps a list of stocks and writes web pages of chart "
            "links for them:\npages for every enabled chart site, the four built-in ones and "
            "those\nmade from address templates.",
            "");
        row("--version", {"--version"}, 0, "Tickvane 1.0\n", "");
        row("unknown option", {"--frobnicate"}, 2, "",
            "Unknown option 'frobnicate'.\nTry 'tickvane --help'.\n");
        row("two modes", {"--generate", "--export", "-"}, 2, "", usage);
        row("stray argument", {"--generate", "stray.txt"}, 2, "", usage);
        row("missing FILE", {"--import"}, 2, "",
            "Missing value after '--import'.\nTry 'tickvane --help'.\n");
        row("import of a missing file", {"--import", "$T/no/in.reg"}, 1, "", "$T/no/in.reg");
        row("import refused", {"--import", "$T/bad.ini"}, 1, "", "$T/bad.ini is not a settings");
        row("export into a missing folder", {"--export", "$T/no/out.reg"}, 1, "", "$T/no/out.reg");
        row("export onto the store", {"--export", "$T/config/Tickvane.ini"}, 1, "",
            "settings file itself");
        row("list export onto the store", {"--export-list", "$T/config/Tickvane.ini"}, 1, "",
            "Could not write \"$T/config/Tickvane.ini\": it is the settings file itself.\n");
        row("list export onto a link to the store", {"--export-list", "$T/store.lnk"}, 1, "",
            "settings file itself");
        row("store without a name", {"--settings", "", "--export", "-"}, 2, "",
            "The settings file has no name");
        row("export from an unusable store", {"--settings", "$T/bad.ini", "--export", "-"}, 1, "",
            "$T/bad.ini.bak");
        row("list and export", {"--add-list", "-", "--export", "-"}, 2, "", usage);
        row("add a missing list", {"--add-list", "$T/no.csv"}, 1, "",
            "\"$T/no.csv\" could not be read: No such file or directory.\n");
        row("add a binary list", {"--add-list", "$T/binary.csv"}, 1, "",
            "\"$T/binary.csv\", line 2: holds the control character U+0000");
        row("add rows all refused", {"--add-list", "$T/refused.csv"}, 3,
            "0 added, 0 new types, 0 duplicates, 1 refused; column 3, Symbol again, not read\n",
            "\"$T/refused.csv\", line 2: refused: no symbol (x)\n");
        row("add past the capacity", {"--add-list", "$T/full.csv"}, 1, "",
            "room for 993 more stocks, not 1001 (it holds at most 1001). Nothing is added.\n");
        row("export the list", {"--export-list", "-"}, 0,
            "Type,Symbol,Description,URL,BigCharts,StockMaster,StockPoint,Yahoo\r\n"
            "Market Indices,DJIA,\" C:\\B\u00f6rse\\ = 100% \",,,I:INDU,$INDU,^DJI\r\n",
            "");
        row("repaired list: a warning", {"--settings", "$T/damaged.ini", "--export", "-"}, 0,
            "REGEDIT4\r\n", "$T/damaged.ini");
    }
    void exitCodesAndMessages() {
        QFETCH(QStringList, arguments);
        QFETCH(int, exitCode);
        QFETCH(QString, out);
        QFETCH(QString, err);
        const QByteArray before = readFile(store);
        const Run run = tickvane(arguments);
        QCOMPARE(run.exitCode, exitCode);
        QVERIFY2(out.isEmpty() ? run.out.isEmpty() : run.out.startsWith(out), qPrintable(run.out));
        err.replace("$T", dir.path());
        QVERIFY2(err.isEmpty() ? run.err.isEmpty() : run.err.contains(err), qPrintable(run.err));
        QCOMPARE(readFile(store), before);
    }

    // While a window holds the store, a second window (also through a link) brings it to the
    // front and ends, an export runs, and an import or an added list (by either name) refuses
    // and leaves the store as it was. Once the window was killed, an import takes its lock over.
    void windowHoldsTheStore() {
        QProcess window;
        window.start(program, {QStringLiteral("--settings"), store});
        QTRY_VERIFY_WITH_TIMEOUT(QFile::exists(store + QStringLiteral(".lock")), 20000);
        const QByteArray before = readFile(store);
        QCOMPARE(tickvane({}).exitCode, 0);
        QCOMPARE(tickvane({"--settings", "$T/store.lnk"}).exitCode, 0);
        QCOMPARE(tickvane({"--export", "-"}).exitCode, 0);
        for (const QString& named : {store, path("store.lnk")}) {
            for (const char* writer : {"--import", "--add-list"}) {
                const Run refused = tickvane({"--settings", named, writer, "$T/other.reg"});
                QCOMPARE(refused.exitCode, 1);
                QCOMPARE(refused.err, "Tickvane is open with " + named +
                                          "; close it first, or import from its File menu.\n");
                QCOMPARE(readFile(store), before);
            }
        }
        window.kill();
        QVERIFY(window.waitForFinished());
        QCOMPARE(tickvane({"--import", "$T/other.reg"}).exitCode, 0);
        QVERIFY(readFile(store) != before);
    }

    // A duplicate and a refused row are named on standard error, the rest is added and
    // stored, and the refusal is the exit status; read again from standard input, every other
    // row is a duplicate, which is no failure. A new type alone is stored too. Into an empty
    // store, the rows start a type named after the file.
    void addList() {
        const QByteArray list =
            "Symbol,Name,Type\nDJIA,dup,market indices\nNVDA,NVIDIA,Chips\n,no symbol,Chips\n";
        writeFile(path("add.csv"), list);
        const Run add = tickvane({"--add-list", "$T/add.csv"});
        QCOMPARE(add.exitCode, 3);
        QCOMPARE(add.out, "1 added, 1 new type, 1 duplicate, 1 refused\n");
        QCOMPARE(add.err, QStringLiteral("\"$T/add.csv\", line 2: duplicate, skipped (DJIA)\n"
                                         "\"$T/add.csv\", line 4: refused: no symbol (Chips)\n")
                              .replace("$T", dir.path()));
        QVERIFY(tickvane({"--export-list", "-"}).out.endsWith("Chips,NVDA,NVIDIA,,,,,\r\n"));
        const QByteArray stored = readFile(store);
        const Run again = tickvane({"--add-list", "-"}, list);
        QCOMPARE(again.exitCode, 3);
        QCOMPARE(again.out, "0 added, 0 new types, 2 duplicates, 1 refused\n");
        QCOMPARE(readFile(store), stored);
        QCOMPARE(tickvane({"--add-list", "-"}, "###Watch\n").out,
                 "0 added, 1 new type, 0 duplicates, 0 refused\n");
        QVERIFY(tickvane({"--export-list", "-"}).out.endsWith("\r\nWatch\r\n"));

        writeFile(path("my.plain.txt"), "\"aapl\"\n");
        const QStringList fresh{"--settings", "$T/fresh.ini"};
        QCOMPARE(tickvane(fresh + QStringList{"--add-list", "$T/my.plain.txt"}).exitCode, 0);
        QVERIFY(tickvane(fresh + QStringList{"--export-list", "-"})
                    .out.endsWith("\r\nmy.plain,AAPL,AAPL,,,,,\r\n"));
    }

    // Nothing that is not a regular file is replaced: a device takes an export as it is (or
    // says why not), a link (to nothing yet: every link row starts so) is written through and
    // stays, and a store, page or export that is a folder or FIFO is refused. Generation stops
    // at the first failure. A list is read only from a regular file, without waiting on a FIFO.
    void writeTargets_data() {
        QTest::addColumn<QStringList>("arguments");
        QTest::addColumn<QString>("special");  // KIND:NAME, KIND one of fifo, dir, file, link
        QTest::addColumn<int>("exitCode");
        QTest::addColumn<QString>("err");
        QTest::addColumn<QString>("lastOut");  // the end of standard output
        const auto row = [](const char* name, const QStringList& arguments, const QString& special,
                            int exitCode, const QString& err, const QString& lastOut) {
            QTest::newRow(name) << arguments << special << exitCode << err << lastOut;
        };
        const QStringList import{"--import", "$T/in.reg"};
        row("export into a device", {"--export", "/dev/null"}, "", 0, "", "");
        row("export into a full device", {"--export", "/dev/full"}, "", 1,
            "Could not write \"/dev/full\": No space left on device.", "");
        row("export through a link", {"--export", "$T/link.reg"}, "link:link.reg", 0, "", "");
        row("list added to a store linked to nothing yet",
            {"--settings", "$T/link.ini", "--add-list", "$T/one.csv"}, "link:link.ini", 0, "", "");
        row("export onto a folder", {"--export", "$T/dir.reg"}, "dir:dir.reg", 1,
            "Could not write \"$T/dir.reg\": it is a folder", "");
        row("store that is a FIFO", QStringList{"--settings", "$T/fifo.ini"} + import,
            "fifo:fifo.ini", 1, "\"$T/fifo.ini\": it is not a regular file", "");
        row("page that is a FIFO", {"--generate"}, "fifo:pages/blank.html", 1,
            "Could not write \"$T/pages/blank.html\": it is not a regular file",
            "finviz.frame.html\n");
        row("page that is a folder", {"--generate"}, "dir:pages/stockpoint.html", 1,
            "Could not write \"$T/pages/stockpoint.html\": it is a folder", "stockmaster.html\n");
        row("list that is a FIFO", {"--add-list", "$T/list.fifo"}, "fifo:list.fifo", 1,
            "\"$T/list.fifo\" is a named pipe, not a file.\n", "");
        row("list that is a folder", {"--add-list", "$T/list.d"}, "dir:list.d", 1,
            "\"$T/list.d\" is a folder, not a file.\n", "");
        row("list that is a device", {"--add-list", "/dev/zero"}, "", 1,
            "\"/dev/zero\" is a device, not a file.\n", "");
        row("pages folder is a file", {"--generate"}, "file:pages", 1,
            "Could not create the folder \"$T/pages/\"", "");
    }
    void writeTargets() {
        QFETCH(QStringList, arguments);
        QFETCH(QString, special);
        QFETCH(int, exitCode);
        QFETCH(QString, err);
        QFETCH(QString, lastOut);
        const QString kind = special.section(u':', 0, 0);
        const QString target = path(special.isEmpty() ? "unused" : special.section(u':', 1));
        QDir(target).removeRecursively();
        QFile::remove(target);
        QFile::remove(path("linked.reg"));
        if (kind == "fifo") {
            QCOMPARE(mkfifo(QFile::encodeName(target).constData(), 0600), 0);
        } else if (kind == "dir") {
            QVERIFY(QDir().mkpath(target));
        } else if (kind == "file") {
            writeFile(target, "x");
        } else if (kind == "link") {
            QVERIFY(QFile::link(path("linked.reg"), target));
        }
        const Run run = tickvane(arguments);
        QCOMPARE(run.exitCode, exitCode);
        err.replace("$T", dir.path());
        QVERIFY2(err.isEmpty() ? run.err.isEmpty() : run.err.contains(err), qPrintable(run.err));
        QVERIFY2(lastOut.isEmpty() || run.out.endsWith(lastOut), qPrintable(run.out));
        QCOMPARE(isFifo(target), kind == "fifo");
        QCOMPARE(QFileInfo(target).isDir(), kind == "dir");
        QVERIFY(kind != "file" || readFile(target) == "x");
        const QByteArray linked = arguments.contains("--export") ? "REGEDIT4\r\n" : "[";
        QVERIFY(kind != "link" ||
                (QFileInfo(target).isSymLink() && readFile(path("linked.reg")).startsWith(linked)));
        QVERIFY(!QFileInfo(QStringLiteral("/dev/null")).isFile() && !isFifo("/dev/null"));
        QFile::remove(target);
        QVERIFY(QDir().mkpath(path("pages")));
    }
};

QTEST_GUILESS_MAIN(CommandLineTest)
#include "tst_commandline.moc"

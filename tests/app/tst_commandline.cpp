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

    Run tickvane(QStringList arguments) {
        arguments.replaceInStrings(QStringLiteral("$T"), dir.path());
        QProcess process;
        process.start(program, QStringList{QStringLiteral("--settings"), store} + arguments);
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
        imported.general.Yahoo_enable = false;
        imported.list.types[1].Type = QStringLiteral("Tech \"A\" & co, ltd; #1");
        imported.list.stocks[0].Description = QStringLiteral(" C:\\Börse\\ = 100% ");
        imported.stockMaster.CompSym[4] = QStringLiteral("@IBM");
        imported.custom[0] = {2, QStringLiteral("News [wire]"),
                              QStringLiteral("https://x/?a=1&b=2")};
        imported.chartSites = {{QStringLiteral("Finviz"),
                                QStringLiteral("https://finviz.com/quote.ashx?t={symbol|dash}"), -1,
                                2, true, QStringLiteral("finviz")}};
        QVERIFY(QDir().mkpath(imported.general.HtmlDir));
        writeFile(path("in.reg"), script());
        writeFile(path("other.reg"), script().replace("Market Indices", "Other"));
        writeFile(path("bad.ini"), "Buy=low\n");
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
        QVERIFY2(import.exitCode == 0 && import.err.isEmpty(), qPrintable(import.err));

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
            "Give at most one of --generate, --export and --import, and no "
            "other arguments.\nTry 'tickvane --help'.\n";
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
        row("export from an unusable store", {"--settings", "$T/bad.ini", "--export", "-"}, 1, "",
            "$T/bad.ini.bak");
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

    // While a window holds the store, a second window brings it to the front and ends, an
    // export runs, and an import refuses and leaves the store as it was. Once the window was
    // killed, an import takes its lock over.
    void windowHoldsTheStore() {
        QProcess window;
        window.start(program, {QStringLiteral("--settings"), store});
        QTRY_VERIFY_WITH_TIMEOUT(QFile::exists(store + QStringLiteral(".lock")), 20000);
        const QByteArray before = readFile(store);
        QCOMPARE(tickvane({}).exitCode, 0);
        QCOMPARE(tickvane({"--export", "-"}).exitCode, 0);
        const Run refused = tickvane({"--import", "$T/other.reg"});
        QCOMPARE(refused.exitCode, 1);
        QCOMPARE(refused.err, "Tickvane is open with " + store +
                                  "; close it first, or import from its File menu.\n");
        QCOMPARE(readFile(store), before);
        window.kill();
        QVERIFY(window.waitForFinished());
        QCOMPARE(tickvane({"--import", "$T/other.reg"}).exitCode, 0);
        QVERIFY(readFile(store) != before);
    }

    // Nothing that is not a regular file is replaced: a device takes an export as it is (or
    // says why not), a link is written through, and a store, page or export that is a folder
    // or FIFO is refused. Generation stops at the first failure.
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
        row("export onto a folder", {"--export", "$T/dir.reg"}, "dir:dir.reg", 1,
            "Could not write \"$T/dir.reg\": it is a folder", "");
        row("store that is a FIFO", QStringList{"--settings", "$T/fifo.ini"} + import,
            "fifo:fifo.ini", 1, "\"$T/fifo.ini\": it is not a regular file", "");
        row("page that is a FIFO", {"--generate"}, "fifo:pages/blank.html", 1,
            "Could not write \"$T/pages/blank.html\": it is not a regular file",
            "finviz.frame.html\n");
        row("page that is a folder", {"--generate"}, "dir:pages/stockpoint.html", 1,
            "Could not write \"$T/pages/stockpoint.html\": it is a folder", "stockmaster.html\n");
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
        QVERIFY(kind != "link" || (QFileInfo(target).isSymLink() &&
                                   readFile(path("linked.reg")).startsWith("REGEDIT4\r\n")));
        QVERIFY(!QFileInfo(QStringLiteral("/dev/null")).isFile() && !isFifo("/dev/null"));
        QFile::remove(target);
        QVERIFY(QDir().mkpath(path("pages")));
    }
};

QTEST_GUILESS_MAIN(CommandLineTest)
#include "tst_commandline.moc"

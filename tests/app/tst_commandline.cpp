#include "model/Model.h"
#include "script/RegistryScript.h"
#include "settings/StoreLayout.h"
#include "support/DataRows.h"
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

// A field of a row file: "\n" and "\r" stand for the line ends.
QString unescaped(QString text) {
    return text.replace(QStringLiteral("\\r"), QStringLiteral("\r"))
        .replace(QStringLiteral("\\n"), QStringLiteral("\n"));
}

// A row's arguments, separated by blanks; "" is an empty one.
QStringList argumentsOf(const QString& field) {
    QStringList arguments = field.split(u' ', Qt::SkipEmptyParts);
    for (QString& argument : arguments) {
        argument.remove(QStringLiteral("\"\""));
    }
    return arguments;
}

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
        ApplyDefaults(imported, QString());
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
        QVERIFY(QFile::link(store, path("store.lnk")));
        // Lists and stores as they come, full.csv one stock past the list's capacity.
        const QDir files(QT_TESTCASE_SOURCEDIR "/data/commandline");
        for (const QString& name : files.entryList(QDir::Files)) {
            QVERIFY(QFile::copy(files.filePath(name), path(name)));
        }
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
    // Rows: tests/data/commandline.txt.
    void exitCodesAndMessages_data() { AddDataRows(QStringLiteral("commandline.txt")); }
    void exitCodesAndMessages() {
        QFETCH(QString, arguments);
        QFETCH(QString, exitCode);
        QFETCH(QString, out);
        QFETCH(QString, err);
        const QByteArray before = readFile(store);
        const Run run = tickvane(argumentsOf(arguments));
        QCOMPARE(run.exitCode, exitCode.toInt());
        out = unescaped(out);
        QVERIFY2(out.isEmpty() ? run.out.isEmpty() : run.out.startsWith(out), qPrintable(run.out));
        err = unescaped(err).replace("$T", dir.path());
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
    // Rows: tests/data/writetargets.txt; special is KIND:NAME, KIND one of fifo, dir, file,
    // link; lastOut the end of standard output.
    void writeTargets_data() { AddDataRows(QStringLiteral("writetargets.txt")); }
    void writeTargets() {
        QFETCH(QString, arguments);
        QFETCH(QString, special);
        QFETCH(QString, exitCode);
        QFETCH(QString, err);
        QFETCH(QString, lastOut);
        const QStringList words = argumentsOf(arguments);
        lastOut = unescaped(lastOut);
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
        const Run run = tickvane(words);
        QCOMPARE(run.exitCode, exitCode.toInt());
        err = unescaped(err).replace("$T", dir.path());
        QVERIFY2(err.isEmpty() ? run.err.isEmpty() : run.err.contains(err), qPrintable(run.err));
        QVERIFY2(lastOut.isEmpty() || run.out.endsWith(lastOut), qPrintable(run.out));
        QCOMPARE(isFifo(target), kind == "fifo");
        QCOMPARE(QFileInfo(target).isDir(), kind == "dir");
        QVERIFY(kind != "file" || readFile(target) == "x");
        const QByteArray linked = words.contains("--export") ? "REGEDIT4\r\n" : "[";
        QVERIFY(kind != "link" ||
                (QFileInfo(target).isSymLink() && readFile(path("linked.reg")).startsWith(linked)));
        QVERIFY(!QFileInfo(QStringLiteral("/dev/null")).isFile() && !isFifo("/dev/null"));
        QFile::remove(target);
        QVERIFY(QDir().mkpath(path("pages")));
    }
};

QTEST_GUILESS_MAIN(CommandLineTest)
#include "tst_commandline.moc"

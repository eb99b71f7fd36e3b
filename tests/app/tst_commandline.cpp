#include "model/Model.h"
#include "store/RegistryScript.h"
#include "store/Storage.h"
#include "store/StoreLayout.h"

#include <sys/stat.h>
#include <QCoreApplication>
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

QByteArray readFile(const QString& path) {
    QFile file(path);
    return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
}

void writeFile(const QString& path, const QByteArray& bytes) {
    QFile file(path);
    QVERIFY(file.open(QIODevice::WriteOnly));
    file.write(bytes);
}

void compareSections(const StoreSections& actual, const StoreSections& expected) {
    QCOMPARE(actual.size(), expected.size());
    for (size_t s = 0; s < expected.size(); ++s) {
        QCOMPARE(actual[s].name, expected[s].name);
        QCOMPARE(actual[s].values, expected[s].values);
    }
}

bool isFifo(const QString& path) {
    struct stat info {};
    return ::lstat(QFile::encodeName(path).constData(), &info) == 0 && S_ISFIFO(info.st_mode);
}
}  // namespace

// The batch commands, run as the user runs them: the built program on temporary files.
class CommandLineTest : public QObject {
    Q_OBJECT
    QTemporaryDir dir;
    QString program;
    QString store;
    Model imported;
    TwipsGeometry importedGeometry{120, 240, 6000, 9000};

    Run tickvane(const QStringList& arguments) {
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

    void importGoodScript() {
        writeFile(path(QStringLiteral("in.reg")), script());
        QCOMPARE(tickvane({QStringLiteral("--import"), path(QStringLiteral("in.reg"))}).exitCode,
                 0);
    }

  private Q_SLOTS:
    void initTestCase() {
        // The tests and the program are built side by side in the build tree.
        program = QCoreApplication::applicationDirPath() + QStringLiteral("/../src/app/tickvane");
        QVERIFY2(QFile::exists(program), qPrintable(program));
        store = path(QStringLiteral("config/Tickvane.ini"));
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
        QVERIFY(QDir().mkpath(imported.general.HtmlDir));
    }

    void importThenExportThenGenerate() {
        // Registry names do not depend on case; the store keeps the program's spelling.
        QByteArray otherCase = script();
        otherCase.replace("\\StockList]", "\\stocklist]").replace("\"Maxtypes\"", "\"MAXTYPES\"");
        writeFile(path(QStringLiteral("in.reg")), otherCase);
        const Run import = tickvane({QStringLiteral("--import"), path(QStringLiteral("in.reg"))});
        QVERIFY2(import.exitCode == 0 && import.err.isEmpty(), qPrintable(import.err));

        const Run exportRun = tickvane({QStringLiteral("--export"), QStringLiteral("-")});
        QVERIFY2(exportRun.exitCode == 0, qPrintable(exportRun.err));
        const ScriptContent exported = ReadRegistryScript(exportRun.out.toUtf8());
        QVERIFY2(exported.ok, qPrintable(exported.reason));
        compareSections(exported.sections, ModelSections(imported, importedGeometry));

        const Run generate = tickvane({QStringLiteral("--generate")});
        QVERIFY2(generate.exitCode == 0, qPrintable(generate.err));
        const QStringList written = generate.out.split(u'\n', Qt::SkipEmptyParts);
        QVERIFY(!written.isEmpty());
        for (const QString& file : written) {
            QVERIFY2(file.startsWith(imported.general.HtmlDir) && QFile::exists(file),
                     qPrintable(file));
        }
    }

    // The import refusals, and every other failure: exit status 1, the message names the
    // file and the cause, and the store is as it was.
    void failuresExitWithOneAndLeaveTheStore_data() {
        QTest::addColumn<QStringList>("arguments");
        QTest::addColumn<QByteArray>("scriptFrom");  // replaces scriptTo in a good script
        QTest::addColumn<QByteArray>("scriptTo");
        QTest::addColumn<QString>("named");
        const QString bad = path(QStringLiteral("bad.reg"));
        const QStringList importBad{"--import", bad};
        const QString missing = path(QStringLiteral("no/such/folder/out.reg"));
        QTest::newRow("import of a missing file")
            << QStringList{"--import", missing} << QByteArray() << QByteArray() << missing;
        QTest::newRow("import of a text file")
            << importBad << QByteArray("REGEDIT4") << QByteArray("Buy low") << bad;
        QTest::newRow("import without our values")
            << importBad << QByteArray("\\Tickvane") << QByteArray("\\Other") << bad;
        QTest::newRow("import without end")
            << QStringList{"--import", "/dev/zero"} << QByteArray() << QByteArray() << "64 MiB";
        QTest::newRow("number type under our key")
            << importBad << QByteArray("\"PanelPercent\"=\"20\"")
            << QByteArray("\"panelpercent\"=dword:00000019") << "panelpercent";
        QTest::newRow("file cut after a line")
            << importBad << QByteArray("\"Alt_YH7\"=\"\"\r\n") << QByteArray() << "Alt_YH7";
        QTest::newRow("maximum beyond the capacity")
            << importBad << QByteArray("\"Maxstocks\"=\"7\"")
            << QByteArray("\"Maxstocks\"=\"1001\"") << "Maxstocks 1001";
        QTest::newRow("export into a missing folder")
            << QStringList{"--export", missing} << QByteArray() << QByteArray() << missing;
        QTest::newRow("export onto the store") << QStringList{"--export", store} << QByteArray()
                                               << QByteArray() << "settings file itself";
        QTest::newRow("export from an unusable store")
            << QStringList{"--settings", bad, "--export", "-"} << QByteArray("REGEDIT4")
            << QByteArray("Buy=low") << bad + ".bak";
    }
    void failuresExitWithOneAndLeaveTheStore() {
        QFETCH(QStringList, arguments);
        QFETCH(QByteArray, scriptFrom);
        QFETCH(QByteArray, scriptTo);
        QFETCH(QString, named);
        QByteArray bad = script();
        QVERIFY(scriptFrom.isEmpty() || bad.contains(scriptFrom));
        writeFile(path(QStringLiteral("bad.reg")), bad.replace(scriptFrom, scriptTo));
        importGoodScript();
        const QByteArray before = readFile(store);

        const Run run = tickvane(arguments);
        QCOMPARE(run.exitCode, 1);
        QVERIFY2(run.err.contains(named), qPrintable(run.err));
        QCOMPARE(readFile(store), before);
    }

    // Nothing that is not a regular file is replaced: a device or FIFO takes an export as
    // it is, and a store or page that is one is refused.
    void writeTargets_data() {
        QTest::addColumn<QStringList>("arguments");
        QTest::addColumn<QString>("fifo");
        QTest::addColumn<int>("exitCode");
        QTest::addColumn<QString>("err");
        const QString fifoStore = path(QStringLiteral("fifo.ini"));
        QTest::newRow("export into a device")
            << QStringList{"--export", "/dev/null"} << QString() << 0 << QString();
        QTest::newRow("store that is a FIFO")
            << QStringList{"--settings", fifoStore, "--import", path("in.reg")} << fifoStore << 1
            << "it is not a regular file";
        QTest::newRow("page that is a FIFO")
            << QStringList{"--generate"} << path("pages/bigcharts.frame.html") << 1
            << "it is not a regular file";
    }
    void writeTargets() {
        QFETCH(QStringList, arguments);
        QFETCH(QString, fifo);
        QFETCH(int, exitCode);
        QFETCH(QString, err);
        importGoodScript();
        QFile::remove(fifo);
        QVERIFY(fifo.isEmpty() || mkfifo(QFile::encodeName(fifo).constData(), 0600) == 0);
        const Run run = tickvane(arguments);
        QCOMPARE(run.exitCode, exitCode);
        QVERIFY2(run.err.contains(err) && run.err.contains(fifo), qPrintable(run.err));
        QVERIFY(fifo.isEmpty() || isFifo(fifo));
        QVERIFY(QFileInfo(QStringLiteral("/dev/null")).exists() && !isFifo("/dev/null"));
        QFile::remove(fifo);
    }

    void repairedListIsAWarningOnStandardError() {
        const QString damaged = path(QStringLiteral("damaged.ini"));
        writeFile(damaged,
                  "[StockList]\nMaxtypes=0\nMaxstocks=2\nType0=X\nLowstock0=0\n"
                  "Histock0=9\nStock0=A\nStock1=B\nStock2=C\n");
        const Run run =
            tickvane({QStringLiteral("--settings"), damaged, QStringLiteral("--export"), "-"});
        QCOMPARE(run.exitCode, 0);
        QVERIFY(run.err.contains(damaged));
    }
};

QTEST_GUILESS_MAIN(CommandLineTest)
#include "tst_commandline.moc"

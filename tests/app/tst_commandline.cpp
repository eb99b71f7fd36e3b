#include "model/Model.h"
#include "store/RegistryScript.h"
#include "store/Storage.h"
#include "store/StoreLayout.h"
#include "store/StoredGeometry.h"

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

    void writeScript(const QString& file, Model& model, const TwipsGeometry& geometry) {
        writeFile(file, WriteRegistryScript(ModelSections(model, geometry)).bytes);
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
        imported.general.UseSavedGeometry = true;
        imported.general.Yahoo_enable = false;
        imported.list.types[1].Type = QStringLiteral("Tech \"A\" & co, ltd; #1");
        imported.list.stocks[0].Description = QStringLiteral(" C:\\Börse\\ = 100% ");
        imported.stockMaster.CompSym[4] = QStringLiteral("@IBM");
        imported.custom[0] = {2, QStringLiteral("News [wire]"),
                              QStringLiteral("https://x/?a=1&b=2")};
        QVERIFY(QDir().mkpath(imported.general.HtmlDir));
    }

    void importThenExportThenGenerate() {
        writeScript(path(QStringLiteral("in.reg")), imported, importedGeometry);
        const Run import = tickvane({QStringLiteral("--import"), path(QStringLiteral("in.reg"))});
        QVERIFY2(import.exitCode == 0, qPrintable(import.err));

        Model back;
        ApplyDefaults(back);
        QVERIFY(Storage(store).load(back, nullptr).ok);
        compareSections(ModelSections(back, importedGeometry),
                        ModelSections(imported, importedGeometry));

        const QString exported = path(QStringLiteral("out.reg"));
        const Run exportRun = tickvane({QStringLiteral("--export"), exported});
        QVERIFY2(exportRun.exitCode == 0, qPrintable(exportRun.err));
        const ScriptContent script = ReadRegistryScript(readFile(exported));
        QVERIFY2(script.ok, qPrintable(script.reason));
        compareSections(script.sections, ModelSections(imported, importedGeometry));

        const Run generate = tickvane({QStringLiteral("--generate")});
        QVERIFY2(generate.exitCode == 0, qPrintable(generate.err));
        const QStringList written = generate.out.split(u'\n', Qt::SkipEmptyParts);
        QVERIFY(!written.isEmpty());
        for (const QString& file : written) {
            QVERIFY2(file.startsWith(imported.general.HtmlDir) && QFile::exists(file),
                     qPrintable(file));
        }
    }

    void failuresExitWithOneAndLeaveTheStore_data() {
        QTest::addColumn<QStringList>("arguments");
        QTest::addColumn<QString>("named");
        const QString missing = path(QStringLiteral("missing.reg"));
        const QString notScript = path(QStringLiteral("notes.txt"));
        const QString foreign = path(QStringLiteral("foreign.reg"));
        const QString noFolder = path(QStringLiteral("no/such/folder/out.reg"));
        QTest::newRow("import of a missing file") << QStringList{"--import", missing} << missing;
        QTest::newRow("import of a text file") << QStringList{"--import", notScript} << notScript;
        QTest::newRow("import without our values") << QStringList{"--import", foreign} << foreign;
        QTest::newRow("export into a missing folder")
            << QStringList{"--export", noFolder} << noFolder;
    }
    void failuresExitWithOneAndLeaveTheStore() {
        QFETCH(QStringList, arguments);
        QFETCH(QString, named);
        writeFile(path(QStringLiteral("notes.txt")), "Buy low, sell high.\n");
        writeFile(path(QStringLiteral("foreign.reg")),
                  WriteRegistryScript({{QStringLiteral("Elsewhere"), {{"Key", "Value"}}}}).bytes);
        writeScript(path(QStringLiteral("in.reg")), imported, importedGeometry);
        QCOMPARE(tickvane({QStringLiteral("--import"), path(QStringLiteral("in.reg"))}).exitCode,
                 0);
        const QByteArray before = readFile(store);

        const Run run = tickvane(arguments);
        QCOMPARE(run.exitCode, 1);
        QVERIFY2(run.err.contains(named), qPrintable(run.err));
        QCOMPARE(readFile(store), before);
    }

    void generationFailureIsReported() {
        Model blocked = imported;
        blocked.general.HtmlDir = path(QStringLiteral("notes.txt/"));
        writeFile(path(QStringLiteral("notes.txt")), "a file, not a folder\n");
        writeScript(path(QStringLiteral("blocked.reg")), blocked, importedGeometry);
        QCOMPARE(
            tickvane({QStringLiteral("--import"), path(QStringLiteral("blocked.reg"))}).exitCode,
            0);
        const Run run = tickvane({QStringLiteral("--generate")});
        QCOMPARE(run.exitCode, 1);
        QVERIFY2(run.err.contains(blocked.general.HtmlDir), qPrintable(run.err));
    }

    void repairedListIsAWarningOnStandardError() {
        const QString damaged = path(QStringLiteral("damaged.ini"));
        writeFile(damaged,
                  "[StockList]\nMaxtypes=0\nMaxstocks=2\nType0=X\nLowstock0=0\n"
                  "Histock0=9\n");
        QProcess process;
        process.start(program, {QStringLiteral("--settings"), damaged, QStringLiteral("--export"),
                                path(QStringLiteral("repaired.reg"))});
        QVERIFY(process.waitForFinished(60000));
        QCOMPARE(process.exitCode(), 0);
        QVERIFY(QString::fromUtf8(process.readAllStandardError()).contains(damaged));
    }
};

QTEST_GUILESS_MAIN(CommandLineTest)
#include "tst_commandline.moc"

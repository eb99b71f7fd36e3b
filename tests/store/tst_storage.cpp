#include "model/DefaultHtmlDir.h"
#include "model/Model.h"
#include "model/OptionTables.h"
#include "store/Storage.h"
#include "store/StoredGeometry.h"
#include "support/FixedGeometry.h"

#include <sys/stat.h>
#include <QCoreApplication>
#include <QFile>
#include <QTemporaryDir>
#include <QTest>

namespace {
Model defaults() {
    Model model;
    ApplyDefaults(model);
    return model;
}

// Every field of the model away from its default, texts built from `text`.
Model filledModel(const QString& text) {
    Model model = defaults();
    GeneralSettings& g = model.general;
    g.HtmlDir = QStringLiteral("/") + text + u'/';
    g.BigCharts_enable = g.Yahoo_enable = g.UseBrowserColors = false;
    g.PanelPercent = -7;
    g.TextColor = 0x123456;
    g.BackColor = 0;
    g.StartPage = QStringLiteral("own");
    g.ForceUpper = g.NoLineWraps = g.UseSavedGeometry = true;
    model.custom[0] = {1, text + u'0', QStringLiteral("https://a.example/?q=") + text};
    model.custom[1] = {2, text + u'1', text};
    model.bigCharts = {15, 8, 12, 3, 8, 6, 6, 10, {26, 25, 24}, text};
    model.stockMaster = {9, 1, 2, 2, 4,    14,   13,   3,
                         9, 7, 7, 3, true, true, true, {text, {}, text + u'2', {}, text}};
    model.stockPoint = {4, 7, 2, 7, {text, {}, text}, {-5, 200}, {1, 0, 1, 0, 1, 0, 0}};
    model.yahoo = {2, 5};
    model.ownSite = {true, text, "https://o.test/?s={symbol}&q=" + text, 3, true};
    StockList& list = model.list;
    list.Maxtypes = 2;
    list.Maxstocks = 3;
    list.types[0] = {text, 0, 1};
    list.types[1] = {QString(), 2, 1};
    list.types[2] = {text + u'T', 2, 3};
    for (int i = 0; i <= list.Maxstocks; ++i) {
        const QString n = QString::number(i);
        list.stocks[i] = {text + n, u'D' + text, u'U' + text, u'B' + n, u'M' + text, {}, text};
    }
    return model;
}

void compareModels(const Model& actual, const Model& expected) {
    QCOMPARE(actual.general, expected.general);
    QCOMPARE(actual.custom, expected.custom);
    QCOMPARE(actual.bigCharts, expected.bigCharts);
    QCOMPARE(actual.stockMaster, expected.stockMaster);
    QCOMPARE(actual.stockPoint, expected.stockPoint);
    QCOMPARE(actual.yahoo, expected.yahoo);
    QCOMPARE(actual.ownSite, expected.ownSite);
    QCOMPARE(actual.list.Maxtypes, expected.list.Maxtypes);
    QCOMPARE(actual.list.Maxstocks, expected.list.Maxstocks);
    for (int t = 0; t <= expected.list.Maxtypes; ++t) {
        QCOMPARE(actual.list.types[t], expected.list.types[t]);
    }
    for (int i = 0; i <= expected.list.Maxstocks; ++i) {
        QCOMPARE(actual.list.stocks[i], expected.list.stocks[i]);
    }
}

void writeFile(const QString& path, const QByteArray& bytes) {
    QFile file(path);
    QVERIFY(file.open(QIODevice::WriteOnly));
    file.write(bytes);
}

// The build tree is a folder of the source tree.
QString testData(const QString& name) {
    const QString built = QCoreApplication::applicationDirPath() + "/../../tests/data/" + name;
    return QFile::exists(built) ? built : QFINDTESTDATA("../data/" + name);
}

QByteArray readFile(const QString& path) {
    QFile file(path);
    return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
}
}  // namespace

// The INI store and the whole-store operations.
class StorageTest : public QObject {
    Q_OBJECT
    QTemporaryDir dir;
    int testNumber = 0;
    QString storeFile() const {
        return dir.filePath(QStringLiteral("store%1.ini").arg(testNumber));
    }

    Model loaded(StoreResult* result = nullptr, WindowGeometry* geometry = nullptr) {
        Model model = defaults();
        model.SettingsChanged = true;
        const StoreResult outcome = Storage(storeFile()).load(model, geometry);
        if (result) {
            *result = outcome;
        }
        return model;
    }

  private Q_SLOTS:
    void init() { ++testNumber; }

    void saveThenLoadGivesEveryFieldBack_data() {
        QTest::addColumn<QString>("text");
        QTest::newRow("plain") << QStringLiteral("Tech");
        QTest::newRow("blanks around") << QStringLiteral("  two  blanks  ");
        QTest::newRow("quotes and backslashes") << QStringLiteral("S&P \"500\" C:\\Web\\ \\\\s\\");
        QTest::newRow("ini syntax") << QStringLiteral("a=b; c, d # e [f]");
        QTest::newRow("at sign first") << QStringLiteral("@Variant(abc)");
        QTest::newRow("non-ASCII") << QStringLiteral("Börse Zürich € 株式");
        QTest::newRow("controls before hex digits") << QStringLiteral("one\ntwo\r\n3\tF\u0001a");
    }
    void saveThenLoadGivesEveryFieldBack() {
        QFETCH(QString, text);
        Model saved = filledModel(text);
        saved.SettingsChanged = true;
        const StoreResult result = Storage(storeFile()).save(saved, StoredGeometry());
        QVERIFY2(result.ok, qPrintable(result.error));
        QVERIFY(!saved.SettingsChanged);
        StoreResult loadResult;
        const Model back = loaded(&loadResult);
        QVERIFY(loadResult.ok && loadResult.warnings.isEmpty());
        QVERIFY(!back.SettingsChanged);
        compareModels(back, saved);
    }

    // The store's and the export's names, order and forms, pinned once: a round trip cannot
    // see two keys swapped.
    void publicFormatsArePinned_data() {
        QTest::addColumn<bool>("exported");
        QTest::addColumn<QString>("golden");
        QTest::newRow("store") << false << testData("pinned.ini");
        QTest::newRow("export") << true << testData("pinned.reg");
    }
    void publicFormatsArePinned() {
        QFETCH(bool, exported);
        QFETCH(QString, golden);
        Model model = defaults();
        model.general.HtmlDir = QStringLiteral("/srv/charts/");
        model.list.Maxtypes = model.list.Maxstocks = 0;
        model.list.types[0] = {QStringLiteral("Tech"), 0, 0};
        model.list.stocks[0] = {"IBM", "I.B.M.", "https://ibm.com/", "B", "M", "P", "Y"};
        StoredGeometry geometry;
        geometry.place({11, 22, 3333, 4444});
        const QString file = dir.filePath(exported ? "pinned.reg" : "pinned.ini");
        const Storage storage(exported ? storeFile() : file);
        QVERIFY(exported ? storage.exportScript(model, geometry, file).ok
                         : storage.save(model, geometry).ok);
        QCOMPARE(readFile(file), readFile(golden));
    }

    void emptyStoreStartsWithTheDefaultsAndTheStarterList() {
        Model model;
        const StoreResult result = LoadAtStartup(model, Storage(storeFile()), nullptr);
        QVERIFY(result.ok && result.warnings.isEmpty());
        Model starter = defaults();
        DefaultStockList(starter);
        compareModels(model, starter);
        QVERIFY(!model.SettingsChanged);
    }

    // A page folder of another system or a relative one would put the pages wherever the
    // program runs.
    void loadingWarnsOfWhatItCannotUse_data() {
        QTest::addColumn<QByteArray>("ini");
        QTest::addColumn<QString>("htmlDir");  // empty: the default folder
        QTest::addColumn<QString>("warning");  // empty: none
        QTest::newRow("local path without the slash")
            << QByteArray("[General]\nHtmlDir=/srv/charts\n") << "/srv/charts/" << QString();
        QTest::newRow("Windows path") << QByteArray(R"([General]
HtmlDir="C:\\Charts\\")") << QString() << R"("C:\Charts\")";
        QTest::newRow("relative path")
            << QByteArray("[General]\nHtmlDir=charts/\n") << QString() << "\"charts/\"";
        QTest::newRow("not UTF-8")
            << QByteArray("[Custom]\nCustomDesc1=caf\xE9\n") << QString() << "Custom/CustomDesc1";
    }
    void loadingWarnsOfWhatItCannotUse() {
        QFETCH(QByteArray, ini);
        QFETCH(QString, htmlDir);
        QFETCH(QString, warning);
        writeFile(storeFile(), ini);
        StoreResult result;
        const Model model = loaded(&result);
        QVERIFY(result.ok);
        QCOMPARE(model.general.HtmlDir, htmlDir.isEmpty() ? DefaultHtmlDir() : htmlDir);
        QCOMPARE(result.warnings.size(), warning.isEmpty() ? 0 : 1);
        QVERIFY2(warning.isEmpty() || result.warnings[0].contains(warning),
                 qPrintable(result.warnings.join(u'\n')));
    }

    void keysAboveTheMaximaStayStoredAndAreNotRead() {
        Model model = defaults();
        DefaultStockList(model);
        const Storage storage(storeFile());
        QVERIFY(storage.save(model, StoredGeometry()).ok);
        model.list.Maxstocks = 6;
        model.list.types[2].Histock = 6;
        QVERIFY(storage.save(model, StoredGeometry()).ok);
        QVERIFY(readFile(storeFile()).contains("Stock7=JAVLX"));
        const Model back = loaded();
        QCOMPARE(back.list.Maxstocks, qint16(6));
        QVERIFY(back.list.stocks[7].Stock.isEmpty());
    }

    // Written only away from its defaults, so that other users' exports and stores stay as
    // they were; a return to the defaults removes it from the store.
    void ownSiteInExportImportAndStore() {
        const Storage storage(storeFile());
        const QString script = dir.filePath(QStringLiteral("own%1.reg").arg(testNumber));
        Model model = defaults();
        QVERIFY(storage.exportScript(model, StoredGeometry(), script).ok);
        const QByteArray yahooEnd = "\\Yahoo]\r\n\"ViewType\"=\"0\"\r\n\"TimePeriod\"=\"1\"\r\n";
        QVERIFY(readFile(script).endsWith(yahooEnd));
        model.ownSite = {true, "Finviz \"daily\"", "https://finviz.com/quote.ashx?t={symbol}", 0,
                         true};
        QVERIFY(storage.exportScript(model, StoredGeometry(), script).ok);
        QVERIFY(readFile(script).endsWith(
            yahooEnd +
            "\r\n[HKEY_CURRENT_USER\\Software\\VB and VBA Program Settings\\Tickvane\\OwnSite]"
            "\r\n\"Enabled\"=\"True\"\r\n\"Name\"=\"Finviz \\\"daily\\\"\"\r\n"
            "\"Template\"=\"https://finviz.com/quote.ashx?t={symbol}\"\r\n"
            "\"SymbolsFrom\"=\"0\"\r\n\"NewWindow\"=\"True\"\r\n"));
        QVERIFY(storage.importScript(script).ok);
        compareModels(loaded(), model);
        model.ownSite = {};
        QVERIFY(storage.save(model, StoredGeometry()).ok);
        QVERIFY(!readFile(storeFile()).contains("OwnSite"));
    }

    // A window places the stored geometry only when it is wanted and sound; a run without a
    // window keeps what is stored, which its export must carry.
    void savedGeometryIsPlaced_data() {
        QTest::addColumn<QByteArray>("general");
        QTest::addColumn<bool>("window");
        QTest::addColumn<int>("top");
        QTest::addColumn<int>("width");
        const QByteArray place = "Top=100\nLeft=200\nHeight=5000\nWidth=8000\n";
        const int top = FixedGeometry().geometry.Top;
        const int width = FixedGeometry().geometry.Width;
        QTest::newRow("used") << "UseSavedGeometry=True\n" + place << true << 100 << 8000;
        QTest::newRow("not wanted") << "UseSavedGeometry=False\n" + place << true << top << width;
        QTest::newRow("minimised window")
            << QByteArray("UseSavedGeometry=True\nTop=-48000\nLeft=1\nHeight=5\nWidth=8\n") << true
            << top << width;
        QTest::newRow("fractions rounded")
            << QByteArray("UseSavedGeometry=true\nTop=1234.5\nLeft=9\nHeight=2\nWidth=7999.6\n")
            << true << 1235 << 8000;
        QTest::newRow("no window, not wanted")
            << "UseSavedGeometry=False\n" + place << false << 100 << 8000;
        QTest::newRow("no window, width only")
            << QByteArray("Width=9000\n") << false << int(DesignedWindowGeometry.Top) << 9000;
    }
    void savedGeometryIsPlaced() {
        QFETCH(QByteArray, general);
        QFETCH(bool, window);
        QFETCH(int, top);
        QFETCH(int, width);
        writeFile(storeFile(), "[General]\n" + general);
        FixedGeometry windowGeometry;
        StoredGeometry batchGeometry;
        WindowGeometry& geometry = window ? static_cast<WindowGeometry&>(windowGeometry)
                                          : static_cast<WindowGeometry&>(batchGeometry);
        loaded(nullptr, &geometry);
        QCOMPARE(geometry.current().Top, top);
        QCOMPARE(geometry.current().Width, width);
    }

    // Each stored value below is one the model cannot hold: the field keeps its default.
    void malformedValuesKeepTheDefault_data() {
        QTest::addColumn<QByteArray>("ini");
        QTest::newRow("text for a number") << QByteArray("[General]\nPanelPercent=wide\n");
        QTest::newRow("colour beyond 32 bits") << QByteArray("[General]\nTextColor=1e12\n");
        QTest::newRow("boolean word") << QByteArray("[General]\nYahoo_enable=yes\n");
        QTest::newRow("start page in capitals") << QByteArray("[General]\nStartPage=Yahoo\n");
        QTest::newRow("selection past its table") << QByteArray("[BigCharts]\nTimePeriod=16\n");
        QTest::newRow("custom action text") << QByteArray("[Custom]\nCustomURLAction0=x\n");
        QTest::newRow("symbols from past Yahoo") << QByteArray("[OwnSite]\nSymbolsFrom=4\n");
        QTest::newRow("symbols from below -1") << QByteArray("[OwnSite]\nSymbolsFrom=-2\n");
    }
    void malformedValuesKeepTheDefault() {
        QFETCH(QByteArray, ini);
        writeFile(storeFile(), ini);
        StoreResult result;
        compareModels(loaded(&result), defaults());
        QVERIFY(result.ok);
    }

    void lenientValueFormsAreAccepted() {
        writeFile(storeFile(),
                  "[General]\nYahoo_enable=fAlSe\nStockPoint_enable=0\nUseBrowserColors=FALSE\n"
                  "ForceUpper=2\nPanelPercent=\" 35 \"\nStartPage=bigcharts\n"
                  "[BigCharts]\nTimePeriod=15\nCompSym=\n");
        const Model model = loaded();
        QVERIFY(!model.general.Yahoo_enable && !model.general.StockPoint_enable);
        QVERIFY(!model.general.UseBrowserColors && model.general.ForceUpper);
        QCOMPARE(model.general.PanelPercent, qint16(35));
        QCOMPARE(model.general.StartPage, QStringLiteral("bigcharts"));
        QCOMPARE(model.bigCharts.TimePeriod, BigChartsTables::TimePeriod().MaxIndex());
    }

    // The store repairs: what the records still hold is kept, nothing is padded.
    void damagedStockListIsRepaired_data() {
        QTest::addColumn<QByteArray>("list");
        QTest::addColumn<int>("maxtypes");
        QTest::addColumn<int>("maxstocks");
        QTest::addColumn<QList<int>>("histocks");
        const QByteArray stocks = "Stock0=A\nStock1=B\nStock2=C\nStock3=D\n";
        const QByteArray twoTypes = "Type0=X\nLowstock0=0\nHistock0=1\nType1=Y\nLowstock1=2\n";
        QTest::newRow("overlapping ranges")
            << "Maxtypes=1\nMaxstocks=3\nType0=X\nLowstock0=0\nHistock0=2\nType1=Y\n"
               "Lowstock1=1\nHistock1=3\n" +
                   stocks
            << 1 << 3 << QList<int>{2, 3};
        QTest::newRow("missing range keys")
            << "Maxtypes=2\nMaxstocks=3\nType0=X\nType1=Y\nLowstock1=0\nHistock1=1\n"
               "Type2=Z\nLowstock2=2\n" +
                   stocks
            << 2 << 3 << QList<int>{-1, 1, 3};
        QTest::newRow("range keys not numbers")
            << "Maxtypes=0\nMaxstocks=3\nType0=X\nLowstock0=first\nHistock0=last\n" + stocks << 0
            << 3 << QList<int>{3};
        QTest::newRow("stocks without types")
            << "Maxtypes=-1\nMaxstocks=3\n" + stocks << -1 << -1 << QList<int>{};
        QTest::newRow("Maxtypes missing")
            << "Maxstocks=3\n" + twoTypes + stocks << 1 << 3 << QList<int>{1, 3};
        QTest::newRow("Maxtypes not a number")
            << "Maxtypes=two\nMaxstocks=3\n" + twoTypes + stocks << 1 << 3 << QList<int>{1, 3};
        QTest::newRow("Maxstocks beyond the capacity")
            << "Maxtypes=1\nMaxstocks=40000\n" + twoTypes + stocks << 1 << 3 << QList<int>{1, 3};
        QTest::newRow("Maxtypes past the types stored")
            << "Maxtypes=50\nMaxstocks=3\n" + twoTypes + stocks << 1 << 3 << QList<int>{1, 3};
    }
    void damagedStockListIsRepaired() {
        QFETCH(QByteArray, list);
        QFETCH(int, maxtypes);
        QFETCH(int, maxstocks);
        QFETCH(QList<int>, histocks);
        writeFile(storeFile(), "[StockList]\n" + list);
        StoreResult result;
        const Model model = loaded(&result);
        QVERIFY(result.ok);
        QCOMPARE(result.warnings.size(), 1);
        QVERIFY(result.warnings[0].contains(storeFile()));
        QVERIFY(result.warnings[0].contains(QStringLiteral("kept %1 types").arg(maxtypes + 1)));
        QString problem;
        QVERIFY2(CheckInvariants(model.list, &problem), qPrintable(problem));
        QCOMPARE(model.list.Maxtypes, qint16(maxtypes));
        QCOMPARE(model.list.Maxstocks, qint16(maxstocks));
        for (int t = 0; t < histocks.size(); ++t) {
            QCOMPARE(model.list.types[t].Histock, qint16(histocks[t]));
        }
        if (maxstocks >= 3) {
            QCOMPARE(model.list.stocks[3].Stock, QStringLiteral("D"));
        }
    }

    void soundListAtTheCapacitiesLoadsWithoutWarning() {
        Model model = defaults();
        model.list.Maxtypes = TypeCapacity - 1;
        model.list.Maxstocks = StockCapacity - 1;
        for (qint16 t = 0; t < TypeCapacity; ++t) {
            model.list.types[t] = {QString::number(t), t, t};
        }
        model.list.types[TypeCapacity - 1].Histock = StockCapacity - 1;
        for (qint16 i = 0; i < StockCapacity; ++i) {
            model.list.stocks[i].Stock = QString::number(i);
        }
        QVERIFY(Storage(storeFile()).save(model, StoredGeometry()).ok);
        StoreResult result;
        compareModels(loaded(&result), model);
        QVERIFY(result.warnings.isEmpty());
    }

    // Store paths that cannot be written: the reason is the real one, and nothing that is
    // not a regular file is replaced.
    void unwritableStorePathsAreRefused_data() {
        QTest::addColumn<QString>("blocker");
        QTest::addColumn<QString>("file");
        QTest::addColumn<QString>("reason");
        QTest::newRow("folder is a file") << "plain"
                                          << "plain/store.ini"
                                          << "Not a directory";
        QTest::newRow("file is a folder") << "folder/store.ini/"
                                          << "folder/store.ini"
                                          << "it is a folder";
        QTest::newRow("FIFO") << "fifo.ini|"
                              << "fifo.ini"
                              << "it is not a regular file";
    }
    void unwritableStorePathsAreRefused() {
        QFETCH(QString, blocker);
        QFETCH(QString, file);
        QFETCH(QString, reason);
        const QString path = dir.filePath(file);
        const QString blocking = dir.filePath(blocker).remove(u'|');
        if (blocker.endsWith(u'/')) {
            QVERIFY(QDir().mkpath(blocking));
        } else if (blocker.endsWith(u'|')) {
            QCOMPARE(mkfifo(QFile::encodeName(blocking).constData(), 0600), 0);
        } else {
            writeFile(blocking, "x");
        }
        Model model = defaults();
        model.SettingsChanged = true;
        const StoreResult result = Storage(path).save(model, StoredGeometry());
        QVERIFY(!result.ok);
        QVERIFY2(result.error.contains(path) && result.error.contains(reason),
                 qPrintable(result.error));
        QVERIFY(model.SettingsChanged);
        QVERIFY(!Storage(path).load(model, nullptr).ok);
        QCOMPARE(QFileInfo(blocking).isFile(), !blocker.endsWith(u'/') && !blocker.endsWith(u'|'));
    }

    // A file of which nothing could be read as settings is named, and moved aside rather than
    // overwritten by the next save.
    void unusableStoreIsMovedAsideOnSaving_data() {
        QTest::addColumn<QByteArray>("bytes");
        QTest::newRow("random bytes") << QByteArray("\x89PNG\r\n\x1a\n\0\0\xff=\x01", 13);
        QTest::newRow("registry script") << QByteArray(
            "REGEDIT4\r\n\r\n[HKEY_CURRENT_USER\\Software\\VB and VBA Program "
            "Settings\\Tickvane\\General]\r\n\"HtmlDir\"=\"/srv/\"\r\n");
    }
    void unusableStoreIsMovedAsideOnSaving() {
        QFETCH(QByteArray, bytes);
        writeFile(storeFile(), bytes);
        Model model;
        const StoreResult result = LoadAtStartup(model, Storage(storeFile()), nullptr);
        QVERIFY(!result.ok);
        QVERIFY2(result.error.contains(storeFile() + ".bak"), qPrintable(result.error));
        model.general.PanelPercent = 31;
        const StoreResult saved = Storage(storeFile()).save(model, StoredGeometry());
        QVERIFY2(saved.ok, qPrintable(saved.error));
        QCOMPARE(readFile(storeFile() + ".bak"), bytes);
        QCOMPARE(loaded().general.PanelPercent, qint16(31));
    }

    void handEditedStoreWithBrokenLinesCanBeSaved() {
        writeFile(storeFile(), "[General]\nPanelPercent=33\njunk line\n[Broken\nB=2\n");
        Model model = loaded();
        QCOMPARE(model.general.PanelPercent, qint16(33));
        model.SettingsChanged = true;
        const StoreResult result = Storage(storeFile()).save(model, StoredGeometry());
        QVERIFY2(result.ok, qPrintable(result.error));
        QVERIFY(!model.SettingsChanged);
        QVERIFY(readFile(storeFile()).contains("PanelPercent=33"));
    }
};

QTEST_GUILESS_MAIN(StorageTest)
#include "tst_storage.moc"

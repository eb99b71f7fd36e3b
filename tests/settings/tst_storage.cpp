#include "files/StoreIdentity.h"
#include "model/Model.h"
#include "model/SiteTable.h"
#include "script/StorageScript.h"
#include "settings/Storage.h"
#include "settings/StoreLayout.h"
#include "settings/StoredGeometry.h"
#include "support/Files.h"
#include "support/FixedGeometry.h"
#include "support/RandomText.h"
#include "support/TestSeed.h"

#include <fcntl.h>
#include <sys/stat.h>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QTemporaryDir>
#include <QTest>

namespace {
Model defaults() {
    Model model;
    ApplyDefaults(model, QString());
    return model;
}

// Every field of the model away from its default, texts built from `text`.
Model filledModel(const QString& text) {
    Model model = defaults();
    GeneralSettings& g = model.general;
    g.HtmlDir = QStringLiteral("/") + text + u'/';
    g.SiteEnabled = {false, true, true, false};
    g.UseBrowserColors = false;
    g.PanelPercent = -7;
    g.TextColor = 0x123456;
    g.BackColor = 0;
    g.StartPage = QStringLiteral("own");
    g.ForceUpper = g.NoLineWraps = g.UseSavedGeometry = g.OnePage = true;
    model.custom[0] = {1, text + u'0', QStringLiteral("https://a.example/?q=") + text};
    model.custom[1] = {2, text + u'1', text};
    model.bigCharts = {15, 8, 12, 3, 8, 6, 6, 10, {26, 25, 24}, text};
    model.stockMaster = {9, 1, 2, 2, 4,    14,   13,   3,
                         9, 7, 7, 3, true, true, true, {text, {}, text + u'2', {}, text}};
    model.stockPoint = {4, 7, 2, 7, {text, {}, text}, {-5, 200}, {1, 0, 1, 0, 1, 0, 0}};
    model.yahoo = {2, 5};
    model.siteDisplay = {0, 2, 0, 1};
    model.siteForms[0] = {{"XLON", "{symbol|lower}.L"}, {"XETR", "X:{symbol}"}};
    model.siteForms[3].pop_back();
    model.chartSites = {
        {text, "https://o.test/?s={symbol}&q=1", 3, 1, true, "own", {{"XTKS", "{{{symbol}}}="}}},
        {text + u'2', "https://t.test/{symbol|dash}" + text, -1, 2, false, "t-2"}};
    StockList& list = model.list;
    list.Maxtypes = 2;
    list.Maxstocks = 3;
    list.types[0] = {text, 0, 1};
    list.types[1] = {QString(), 2, 1};
    list.types[2] = {text + u'T', 2, 3};
    for (int i = 0; i <= list.Maxstocks; ++i) {
        const QString n = QString::number(i);
        list.stocks[i] = {text + n,    u'D' + text, u'U' + text, u'B' + n,
                          u'M' + text, {},          text,        i % 2 ? "XLON" : ""};
    }
    return model;
}

// Both lists full: one stock in every type, the rest in the last.
Model fullModel() {
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
    return model;
}

// Every field drawn at random within what a load keeps: selections inside their tables, a full
// path, a site's start page, up to the most template sites that keep their rules, types that
// partition a list of random length.
Model randomModel(QRandomGenerator& random, TwipsGeometry& geometry, bool lineBreaks) {
    QStringList pool = QString::fromUtf8("aZ09 \t\"\\;,=#[]@%&\u00e9\u20ac\uFFFD\x01")
                           .split(QString(), Qt::SkipEmptyParts);
    pool << QString(QChar(0)) << QStringLiteral("\U0001F4C8");
    if (lineBreaks) {
        pool << QStringLiteral("\n") << QStringLiteral("\r");
    }
    const auto text = [&] { return RandomText(random, pool, 12); };
    const auto code = [&] { return QString("X9a0").first(random.bounded(2) * 4); };
    // Rows of any text but the separator, each exchange at most once.
    const auto forms = [&] {
        SymbolForms forms;
        for (const char* exchange : {"XLON", "xetr", "A9Z0"}) {
            if (random.bounded(2)) {
                forms.push_back({QString(exchange).toUpper(),
                                 text().remove(u';').replace(u'{', u'(') + "{symbol|dash}"});
            }
        }
        return forms;
    };
    Model model = defaults();
    for (const SectionLayout& section : SettingsLayout(model, geometry)) {
        for (const SettingField& field : section.fields) {
            std::visit(
                [&](auto* value) {
                    using Field = std::remove_pointer_t<decltype(value)>;
                    if constexpr (std::is_same_v<Field, QString>) {
                        *value = text();
                    } else if constexpr (std::is_same_v<Field, SymbolForms>) {
                        *value = forms();
                    } else {
                        *value = Field(std::is_same_v<Field, bool> ? random.bounded(2)
                                                                   : random.generate());
                    }
                },
                field.target);
            if (field.table) {
                *std::get<qint16*>(field.target) =
                    qint16(field.first + random.bounded(field.table->MaxIndex() + 1));
            }
        }
    }
    model.general.HtmlDir = u'/' + text() + u'/';
    model.general.StartPage = Site(SiteId(random.bounded(4))).fileName;
    model.chartSites.resize(random.bounded(ChartSiteLimit + 1));
    const QStringList filters{"", "|lower", "|upper", "|dash"};
    for (size_t i = 0; i < model.chartSites.size(); ++i) {
        // An enabled site keeps a sound template; a disabled one may hold any text.
        const bool enabled = random.bounded(2);
        const QString sound =
            QStringLiteral("https://o.test/%1?s={symbol%2%3}&q={{%4}}")
                .arg(QString::number(random.generate()), filters[random.bounded(4)],
                     filters[random.bounded(4)], QString::number(i));
        model.chartSites[i] = {QStringLiteral("N%1").arg(i) + text(),
                               enabled ? sound : text(),
                               qint16(random.bounded(-1, 4)),
                               qint16(random.bounded(3)),
                               enabled,
                               QStringLiteral("f-%1").arg(i),
                               forms()};
    }
    StockList& list = model.list;
    list.Maxtypes = qint16(random.bounded(-1, 5));
    list.Maxstocks = list.Maxtypes < 0 ? -1 : qint16(random.bounded(-1, 20));
    for (qint16 t = 0, next = 0; t <= list.Maxtypes; next = list.types[t++].Histock + 1) {
        const int last = t == list.Maxtypes ? list.Maxstocks
                                            : next - 1 + random.bounded(list.Maxstocks - next + 2);
        list.types[t] = {{}, next, qint16(last)};
    }
    ForEachStockRecordField(list, [&](const SettingField& field) {
        if (QString* const* target = std::get_if<QString*>(&field.target)) {
            **target = field.problem ? code() : text();
        }
    });
    return model;
}

void compareModels(const Model& actual, const Model& expected) {
    QCOMPARE(actual.general, expected.general);
    QCOMPARE(actual.custom, expected.custom);
    QCOMPARE(actual.bigCharts, expected.bigCharts);
    QCOMPARE(actual.stockMaster, expected.stockMaster);
    QCOMPARE(actual.stockPoint, expected.stockPoint);
    QCOMPARE(actual.yahoo, expected.yahoo);
    QCOMPARE(actual.siteDisplay, expected.siteDisplay);
    QCOMPARE(actual.siteForms, expected.siteForms);
    QCOMPARE(actual.chartSites, expected.chartSites);
    QCOMPARE(actual.list.Maxtypes, expected.list.Maxtypes);
    QCOMPARE(actual.list.Maxstocks, expected.list.Maxstocks);
    for (int t = 0; t <= expected.list.Maxtypes; ++t) {
        QCOMPARE(actual.list.types[t], expected.list.types[t]);
    }
    for (int i = 0; i <= expected.list.Maxstocks; ++i) {
        QCOMPARE(actual.list.stocks[i], expected.list.stocks[i]);
    }
}

void replaceIn(const QString& path, const QByteArray& from, const QByteArray& to) {
    QByteArray bytes = readFile(path);
    QVERIFY2(from.isEmpty() || bytes.contains(from), from.constData());
    writeFile(path, bytes.replace(from, to));
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
    QString script() const { return dir.filePath(QStringLiteral("in%1.reg").arg(testNumber)); }

    Model loaded(StoreResult* result = nullptr, WindowGeometry* geometry = nullptr) {
        Model model = defaults();
        model.SettingsChanged = true;
        const StoreResult outcome = Storage(storeFile()).load(model, geometry);
        if (result) {
            *result = outcome;
        }
        return model;
    }

    static void rowsOf(const QString& folder) {
        QTest::addColumn<QString>("file");
        const QDir files(QStringLiteral(QT_TESTCASE_SOURCEDIR "/data/") + folder);
        for (const QString& name : files.entryList({"*.ini"})) {
            QTest::newRow(qPrintable(name)) << files.filePath(name);
        }
    }

  private Q_SLOTS:
    void init() { ++testNumber; }

    // Random models come back whole from the store, and from an exported and imported script
    // when no text holds a line break, which a script cannot carry; a return to the defaults
    // removes the chart sites' sections and the Display and OnePage keys from the store.
    void randomModelsComeBack() {
        QRandomGenerator random(TestSeed());
        for (int round = 0; round < 60; ++round) {
            const bool lineBreaks = round % 2 == 0;
            StoredGeometry geometry, loadedGeometry;
            TwipsGeometry twips;
            Model saved = randomModel(random, twips, lineBreaks);
            geometry.place(twips);
            saved.SettingsChanged = true;
            const Storage storage(storeFile());
            QVERIFY(storage.save(saved, geometry).ok && !saved.SettingsChanged);
            StoreResult result;
            const Model back = loaded(&result, &loadedGeometry);
            compareModels(back, saved);
            QVERIFY(result.ok && result.warnings.isEmpty() && !back.SettingsChanged);
            QCOMPARE(loadedGeometry.current(), twips);
            if (lineBreaks) {
                continue;
            }
            QVERIFY(ExportScript(storage, saved, geometry, script()).ok);
            Model other = defaults();
            QVERIFY(storage.save(other, StoredGeometry()).ok);
            QVERIFY(!readFile(storeFile()).contains("ChartSite"));
            QVERIFY(!readFile(storeFile()).contains("Display"));
            QVERIFY(!readFile(storeFile()).contains("OnePage"));
            const StoreResult imported = ImportScript(storage, script());
            QVERIFY2(imported.ok && imported.warnings.isEmpty(), qPrintable(imported.error));
            compareModels(loaded(), saved);
        }
    }

    // Store texts as earlier versions and QSettings wrote them, and the text they give.
    void storeTextsAreRead_data() {
        QTest::addColumn<QByteArray>("text");
        QTest::addColumn<QString>("key");
        QTest::addColumn<QString>("value");
        const auto row = [](const char* name, const QByteArray& text, const char* key,
                            const QString& value) {
            QTest::newRow(name) << text << QString::fromLatin1(key) << value;
        };
        const char* desc = "CustomDesc0";
        const QChar nul(0);
        row("byte-order mark, CR LF", "\xEF\xBB\xBF[Custom]\r\nCustomDesc0=News\r\n", desc, "News");
        row("comments and blanks", "; by hand\n\n[Custom]\n ;x=y\n CustomDesc0 \t= a  b \t;c\n",
            desc, "a  b");
        row("quoted INI syntax", "[Custom]\nCustomDesc0=\" a;b,c=d#[e] \"  \n", desc,
            " a;b,c=d#[e] ");
        row("named escapes", R"([Custom]
CustomDesc0=\"q\" \\ \t\n\r\a\b\f\v\?\'\z.)",
            desc, "\"q\" \\ \t\n\r\a\b\f\v?'.");
        row("hex and octal escapes",
            "[Custom]\nCustomDesc0=caf\\xe9 \\x3b1 \\1018\\0\\x1\\x62 \\x20\n", desc,
            QString::fromUtf8("caf\u00e9 \u03b1 A8") + nul + QStringLiteral("\u0001b  "));
        row("continued line", "[Custom]\nCustomDesc0=one\\\r\n two\n", desc, "one two");
        row("typed values stay text", "[Custom]\nCustomDesc0=@Variant(\\0\\x7f)\n", desc,
            QStringLiteral("@Variant(") + nul + QStringLiteral("\u007f)"));
        row("at sign doubled", "[Custom]\nCustomDesc0=\"@@a, b\"\n", desc, "@a, b");
        row("unquoted comma", "[Custom]\nCustomDesc0=Company, Inc.\n", desc, "Company, Inc.");
        row("byte-order marks after an escape",
            "[Custom]\nCustomDesc0=a\\x1\xEF\xBB\xBF\xEF\xBB\xBF\n", desc,
            QStringLiteral("a\u0001\uFEFF\uFEFF"));
        row("escaped names", "[%43ustom]\nCustom%44esc%U0030=x\n", desc, "x");
        row("key before any section", "HtmlDir=/a/\n[Custom]\n", "HtmlDir", "/a/");
        row("[general] in lower case", "[general]\nHtmlDir=/b/\n", "HtmlDir", "/b/");
        row("[%General]", "[%General]\nHtmlDir=/c/\n", "HtmlDir", "/c/");
        row("key given twice", "[Custom]\nCustomDesc0=1\n[General]\n[Custom]\nCustomDesc0=2\n",
            desc, "2");
    }
    void storeTextsAreRead() {
        QFETCH(QByteArray, text);
        QFETCH(QString, key);
        QFETCH(QString, value);
        writeFile(storeFile(), text);
        StoreResult result;
        Model model = loaded(&result);
        QVERIFY2(result.ok && result.warnings.isEmpty(), qPrintable(result.error));
        QCOMPARE(key == "HtmlDir" ? model.general.HtmlDir : model.custom[0].CustomDesc, value);
    }

    // The store's and the export's names, order and forms, pinned once for a model with every
    // field away from its default: a round trip cannot see two keys swapped.
    void publicFormatsArePinned_data() {
        QTest::addColumn<bool>("exported");
        QTest::addColumn<QString>("golden");
        QTest::newRow("store") << false << QT_TESTCASE_SOURCEDIR "/data/pinned.ini";
        QTest::newRow("export") << true << QT_TESTCASE_SOURCEDIR "/data/pinned.reg";
    }
    void publicFormatsArePinned() {
        QFETCH(bool, exported);
        QFETCH(QString, golden);
        Model model = filledModel(QString::fromUtf8("Caf\u00e9 \"A\" C:\\Web\\ a\\\"b"));
        StoredGeometry geometry;
        geometry.place({11, 22, 3333, 4444});
        const Storage storage(storeFile());
        QVERIFY(exported ? ExportScript(storage, model, geometry, script()).ok
                         : storage.save(model, geometry).ok);
        QCOMPARE(readFile(exported ? script() : storeFile()), readFile(golden));
    }

    // NAME.txt of a tests/data folder: after an optional "warning: " line, the canonical store
    // that NAME.ini loads as. Returns what loading the canonical store gives, and the warning.
    std::pair<Model, QString> expectation(const QString& file) {
        const QString canonical = QString::fromUtf8(readFile(file.chopped(3) + "txt"));
        const QString warning =
            canonical.startsWith("warning: ") ? canonical.section(u'\n', 0, 0).mid(9) : QString();
        writeFile(storeFile(), canonical.section(u'\n', warning.isEmpty() ? 0 : 1).toUtf8());
        Model model = loaded();
        ++testNumber;  // a file of the same size and time could be read from a cache
        return {std::move(model), warning};
    }

    // Every tests/data/values/NAME.ini loads as the canonical store in NAME.txt does, with the
    // warning given there (none: the defaults). A page folder of another system or a relative
    // one would put the pages wherever the program runs.
    void storedValuesAreRead_data() { rowsOf("values"); }
    void storedValuesAreRead() {
        QFETCH(QString, file);
        const auto [expected, warning] = expectation(file);
        writeFile(storeFile(), readFile(file));
        StoreResult result;
        compareModels(loaded(&result), expected);
        QVERIFY(result.ok);
        QCOMPARE(result.warnings.size(), warning.isEmpty() ? 0 : 1);
        QVERIFY2(warning.isEmpty() || result.warnings[0].contains(warning),
                 qPrintable(result.warnings.join(u'\n')));
    }

    // The chart sites of every tests/data/chartsites/NAME.ini, stored and as a script: the
    // store loads them as NAME.txt says, with the warning given there; an import refuses a
    // script that would need that repair, naming the same section and key, and leaves the
    // store untouched. The own site of earlier versions becomes the template site "own", and
    // an import migrates it as loading does, with the same warning.
    void chartSitesAreRead_data() { rowsOf("chartsites"); }
    void chartSitesAreRead() {
        QFETCH(QString, file);
        const auto [expected, warning] = expectation(file);
        const QByteArray stored = readFile(file);
        writeFile(storeFile(), stored);
        StoreResult result;
        Model model = loaded(&result);
        compareModels(model, expected);
        QCOMPARE(result.warnings.size(), warning.isEmpty() ? 0 : 1);
        QVERIFY2(warning.isEmpty() || result.warnings[0].contains(warning),
                 qPrintable(result.warnings.join(u'\n')));
        // A save keeps the repairs, and no OwnSite stays behind.
        QVERIFY(Storage(storeFile()).save(model, StoredGeometry()).ok);
        QVERIFY(!readFile(storeFile()).contains("OwnSite"));
        compareModels(loaded(&result), expected);
        QVERIFY(result.warnings.isEmpty());
        QByteArray lines("REGEDIT4\r\n");
        for (const QByteArray& line : stored.split('\n')) {
            const qsizetype equals = line.indexOf('=');
            lines +=
                (line.startsWith('[') ? "[HKEY_CURRENT_USER\\Software\\VB and VBA Program "
                                        "Settings\\Tickvane\\" +
                                            line.mid(1)
                 : equals < 0 ? line
                              : '"' + line.first(equals) + "\"=\"" + line.mid(equals + 1) + '"') +
                "\r\n";
        }
        writeFile(script(), lines);
        writeFile(storeFile(), "[General]\nHtmlDir=/before/\n");
        const StoreResult imported = ImportScript(Storage(storeFile()), script());
        const bool migrated = warning.startsWith("section OwnSite");
        QVERIFY2(imported.ok == (warning.isEmpty() || migrated), qPrintable(imported.error));
        if (!imported.ok) {
            QVERIFY2(imported.error.contains(warning), qPrintable(imported.error));
            QCOMPARE(readFile(storeFile()), QByteArray("[General]\nHtmlDir=/before/\n"));
            return;
        }
        QCOMPARE(imported.warnings.size(), migrated ? 1 : 0);
        QVERIFY(!migrated || imported.warnings[0].contains(warning));
        compareModels(loaded(), expected);
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

    // A change from outside after a load or a save shows in the file's identity, even one
    // that keeps size and time.
    void identityFollowsTheBytes_data() {
        QTest::addColumn<bool>("saved");     // the identity the save gave, else the load's
        QTest::addColumn<QByteArray>("to");  // what "Bonds" becomes; empty: nothing changes
        for (const bool saved : {false, true}) {
            const char* step = saved ? "save" : "load";
            QTest::addRow("%s, unchanged", step) << saved << QByteArray();
            QTest::addRow("%s, same size and time", step) << saved << QByteArray("Bondz");
        }
    }
    void identityFollowsTheBytes() {
        QFETCH(bool, saved);
        QFETCH(QByteArray, to);
        writeFile(storeFile(), "[StockList]\nType0=Bonds\n");
        Model model = defaults();
        const Storage storage(storeFile());
        StoreResult result = storage.load(model, nullptr);
        if (saved) {
            result = storage.save(model, StoredGeometry());
        }
        QCOMPARE(result.storeIdentity, IdentityOf(storeFile()));
        struct stat before {};
        QCOMPARE(stat(QFile::encodeName(storeFile()), &before), 0);
        replaceIn(storeFile(), "Bonds", to.isEmpty() ? "Bonds" : to);
        const timespec times[2] = {before.st_atim, before.st_mtim};
        QCOMPARE(utimensat(AT_FDCWD, QFile::encodeName(storeFile()), times, 0), 0);
        QCOMPARE(IdentityOf(storeFile()) == result.storeIdentity, to.isEmpty());
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

    // A window that cannot tell where it is saves its size over the stored position, or with
    // none stored, the position it reports.
    void unknownPositionIsKept_data() {
        QTest::addColumn<QByteArray>("stored");
        QTest::addColumn<bool>("known");
        QTest::addColumn<int>("top");
        QTest::addColumn<int>("left");
        const QByteArray place = "Top=100\nLeft=200\nHeight=5000\nWidth=8000\n";
        QTest::newRow("known") << place << true << 11 << 22;
        QTest::newRow("unknown") << place << false << 100 << 200;
        QTest::newRow("unknown, none stored") << QByteArray("Width=1\n") << false << 11 << 22;
    }
    void unknownPositionIsKept() {
        QFETCH(QByteArray, stored);
        QFETCH(bool, known);
        QFETCH(int, top);
        QFETCH(int, left);
        writeFile(storeFile(), "[General]\n" + stored);
        FixedGeometry window;
        window.geometry = {11, 22, 3333, 4444};
        window.position = known;
        Model model = defaults();
        QVERIFY(Storage(storeFile()).save(model, window).ok);
        StoredGeometry back;
        loaded(nullptr, &back);
        QCOMPARE(back.current(), (TwipsGeometry{top, left, 3333, 4444}));
    }

    // The store repairs each tests/data/repairs/NAME.ini into the list NAME.txt gives:
    // Maxtypes, Maxstocks and the Histock of every type. What the records still hold is
    // kept, nothing is padded.
    void damagedStockListIsRepaired_data() { rowsOf("repairs"); }
    void damagedStockListIsRepaired() {
        QFETCH(QString, file);
        const QList<QByteArray> numbers = readFile(file.chopped(3) + "txt").simplified().split(' ');
        writeFile(storeFile(), readFile(file));
        StoreResult result;
        const Model model = loaded(&result);
        QVERIFY(result.ok && result.warnings.size() == 1);
        QVERIFY(result.warnings[0].contains(storeFile()));
        QVERIFY(result.warnings[0].contains(
            QStringLiteral("kept %1 types").arg(numbers[0].toInt() + 1)));
        QString problem;
        QVERIFY2(CheckInvariants(model.list, &problem), qPrintable(problem));
        QCOMPARE(model.list.Maxtypes, qint16(numbers[0].toInt()));
        QCOMPARE(model.list.Maxstocks, qint16(numbers[1].toInt()));
        for (int t = 2; t < numbers.size(); ++t) {
            QCOMPARE(model.list.types[t - 2].Histock, qint16(numbers[t].toInt()));
        }
        QVERIFY(model.list.Maxstocks < 3 || model.list.stocks[3].Stock == "D");
    }

    // Full lists load and import whole; a maximum one past its capacity is repaired from the
    // records stored, and refused in a script.
    void listCapacities_data() {
        QTest::addColumn<QByteArray>("key");  // empty: both lists exactly full
        QTest::addColumn<int>("past");
        QTest::newRow("101 types, 1001 stocks") << QByteArray() << 0;
        QTest::newRow("Maxtypes one past") << QByteArray("Maxtypes") << TypeCapacity;
        QTest::newRow("Maxstocks one past") << QByteArray("Maxstocks") << StockCapacity;
    }
    void listCapacities() {
        QFETCH(QByteArray, key);
        QFETCH(int, past);
        Model full = fullModel();
        const Storage storage(storeFile());
        QVERIFY(storage.save(full, StoredGeometry()).ok);
        QVERIFY(ExportScript(storage, full, StoredGeometry(), script()).ok);
        const QByteArray at = QByteArray::number(past - 1), beyond = QByteArray::number(past);
        if (!key.isEmpty()) {
            replaceIn(storeFile(), key + '=' + at + '\n', key + '=' + beyond + '\n');
            replaceIn(script(), '"' + key + "\"=\"" + at + '"', '"' + key + "\"=\"" + beyond + '"');
        }
        const QString problem = key + ' ' + beyond + " is beyond the capacity";
        StoreResult result;
        compareModels(loaded(&result), full);
        QCOMPARE(result.warnings.size(), int(!key.isEmpty()));
        QVERIFY(key.isEmpty() || result.warnings[0].contains(problem));
        result = ImportScript(storage, script());
        QVERIFY2(result.ok == key.isEmpty(), qPrintable(result.error));
        QVERIFY(key.isEmpty() || result.error.contains(problem));
    }

    // A refused script leaves the store as it was; the message names the file and the cause.
    void importRefusals_data() {
        QTest::addColumn<QByteArray>("from");  // replaced in a good script; "size:N": N bytes
        QTest::addColumn<QByteArray>("to");
        QTest::addColumn<QString>("error");  // empty: imported
        const auto row = [](const char* name, const QByteArray& from, const QByteArray& to,
                            const QString& error) { QTest::newRow(name) << from << to << error; };
        row("missing file", "missing", {}, "Could not read");
        row("text file", "REGEDIT4", "Buy low",
            "not a settings script of Tickvane: not a registry");
        row("other program's key", "\\Tickvane", "\\Other", "holds no Tickvane settings");
        row("number type under our key", "\"PanelPercent\"=\"20\"",
            "\"panelpercent\"=dword:00000019", "the value of panelpercent is not a text");
        row("file cut after a line", "\"Alt_YH7\"=\"\"\r\n", {}, "Alt_YH7, which is missing");
        row("exchange of three letters", "\"Alt_YH7\"=\"\"",
            "\"Alt_YH7\"=\"\"\r\n\"Exchange7\"=\"LSE\"",
            "Exchange7: \"LSE\" is not a market identifier code");
        row("a site's symbol form without the symbol", "Tickvane\\Yahoo]",
            "Tickvane\\Yahoo]\r\n\"SymbolForms\"=\"XLON=VOD.L\"",
            "section Yahoo, SymbolForms: The symbol form must contain {symbol}.");
        row("exactly 64 MiB", "size:", QByteArray::number(qint64(64) << 20), {});
        row("one past 64 MiB", "size:", QByteArray::number((qint64(64) << 20) + 1),
            "is larger than 64 MiB");
        row("without end", "device:", "/dev/zero", "is larger than 64 MiB");
    }
    void importRefusals() {
        QFETCH(QByteArray, from);
        QFETCH(QByteArray, to);
        QFETCH(QString, error);
        Model model = defaults();
        const Storage storage(storeFile());
        QVERIFY(storage.save(model, StoredGeometry()).ok);
        const QByteArray before = readFile(storeFile());
        DefaultStockList(model);
        QVERIFY(ExportScript(storage, model, StoredGeometry(), script()).ok);
        QString file = script();
        if (from == "size:") {
            QVERIFY(QFile(file).resize(to.toLongLong()));  // a sparse tail of NULs
        } else if (from == "device:" || from == "missing") {
            file = from == "missing" ? file + ".missing" : QString::fromLatin1(to);
        } else {
            replaceIn(file, from, to);
        }
        const StoreResult result = ImportScript(storage, file);
        QVERIFY2(result.ok == error.isEmpty() && result.error.contains(error),
                 qPrintable(result.error));
        if (error.isEmpty()) {
            QCOMPARE(loaded().list.Maxstocks, model.list.Maxstocks);
        } else {
            QVERIFY(result.error.contains(file));
            QCOMPARE(readFile(storeFile()), before);
        }
    }

    // A file of which nothing could be read as settings, or too large to be a store, is named,
    // and moved aside rather than overwritten by the next save; broken lines in a store of ours
    // are no reason to.
    void unusableStoreIsMovedAsideOnSaving_data() {
        QTest::addColumn<QByteArray>("bytes");
        QTest::addColumn<qint64>("size");    // when not 0, a comment pads the bytes to this size
        QTest::addColumn<QString>("error");  // empty: a store of ours
        const QByteArray ours("[General]\nPanelPercent=33\n");
        const QString notSettings = QStringLiteral("could be read as settings");
        QTest::newRow("random bytes")
            << QByteArray("\x89PNG\r\n\x1a\n\0\0\xff=\x01", 13) << qint64(0) << notSettings;
        QTest::newRow("registry script")
            << QByteArray(
                   "REGEDIT4\r\n\r\n[HKEY_CURRENT_USER\\Software\\VB and VBA Program "
                   "Settings\\Tickvane\\General]\r\n\"HtmlDir\"=\"/srv/\"\r\n")
            << qint64(0) << notSettings;
        QTest::newRow("ours, with broken lines") << ours + "junk line\n[Broken\nB=2\n"
                                                 << qint64(0) << QString();
        QTest::newRow("ours, exactly 64 MiB") << ours << (qint64(64) << 20) << QString();
        QTest::newRow("ours, one past 64 MiB")
            << ours << (qint64(64) << 20) + 1 << QStringLiteral("larger than 64 MiB");
    }
    void unusableStoreIsMovedAsideOnSaving() {
        QFETCH(QByteArray, bytes);
        QFETCH(qint64, size);
        QFETCH(QString, error);
        if (size > 0) {
            bytes += ';' + QByteArray(size - bytes.size() - 1, 'x');
        }
        const bool ours = error.isEmpty();
        writeFile(storeFile(), bytes);
        Model model;
        const StoreResult result = LoadAtStartup(model, Storage(storeFile()), nullptr);
        QCOMPARE(result.ok, ours);
        QVERIFY2(
            ours || (result.error.contains(error) && result.error.contains(storeFile() + ".bak")),
            qPrintable(result.error));
        QCOMPARE(model.general.PanelPercent, qint16(ours ? 33 : defaults().general.PanelPercent));
        model.general.PanelPercent += 1;
        const StoreResult saved = Storage(storeFile()).save(model, StoredGeometry());
        QVERIFY2(saved.ok, qPrintable(saved.error));
        QCOMPARE(readFile(storeFile() + ".bak"), ours ? QByteArray() : bytes);
        QCOMPARE(loaded().general.PanelPercent, model.general.PanelPercent);
    }

    // A store named by a link (relative here) is read and written where the link points, also
    // when nothing is there yet; the link stays a link, and an unusable file is moved aside
    // beside the file it is.
    void storeThroughALink_data() {
        QTest::addColumn<QByteArray>("bytes");  // the linked file; empty: there is none yet
        QTest::newRow("to a store") << QByteArray("[General]\nPanelPercent=33\n");
        QTest::newRow("to nothing yet") << QByteArray();
        QTest::newRow("to an unusable file") << QByteArray("Buy=low\n");
    }
    void storeThroughALink() {
        QFETCH(QByteArray, bytes);
        const QString link = storeFile() + ".link";
        QVERIFY(QFile::link(QFileInfo(storeFile()).fileName(), link));
        if (!bytes.isEmpty()) {
            writeFile(storeFile(), bytes);
        }
        const bool usable = !bytes.startsWith("Buy");
        Model model = defaults();
        const Storage storage(link);
        const StoreResult result = storage.load(model, nullptr);
        QVERIFY2(result.ok == usable && (usable || result.error.contains(storeFile() + ".bak")),
                 qPrintable(result.error));
        QCOMPARE(model.general.PanelPercent == 33, bytes.contains("33"));
        model.general.PanelPercent = 44;
        QVERIFY(storage.save(model, StoredGeometry()).ok);
        QVERIFY(QFileInfo(link).isSymLink());
        QCOMPARE(loaded().general.PanelPercent, qint16(44));
        QCOMPARE(readFile(storeFile() + ".bak"), usable ? QByteArray() : bytes);
    }

    // No export replaces the store, its lock or its backup, whatever names them; "$S" is the
    // store, beside a link to it and a folder.
    void exportsRefuseTheStoreFiles_data() {
        QTest::addColumn<QString>("target");
        QTest::addColumn<bool>("refused");
        QTest::newRow("the store") << "$S" << true;
        QTest::newRow("the store by another path") << "folder/../$S" << true;
        QTest::newRow("a link to the store") << "link" << true;
        QTest::newRow("its lock") << "$S.lock" << true;
        QTest::newRow("its backup") << "$S.bak" << true;
        QTest::newRow("its recovery file") << "$S.recovery" << true;
        QTest::newRow("another file") << "$S.csv" << false;
        QTest::newRow("a store not made yet, by another path") << "folder/../new.ini" << true;
    }
    void exportsRefuseTheStoreFiles() {
        QFETCH(QString, target);
        QFETCH(bool, refused);
        for (const char* file : {"", ".lock", ".bak", ".recovery"}) {
            writeFile(storeFile() + file, "[General]\nPanelPercent=33\n");
        }
        QVERIFY(QDir(dir.path()).mkpath("folder"));
        QFile::remove(dir.filePath("link"));
        QVERIFY(QFile::link(storeFile(), dir.filePath("link")));
        const QString file = dir.filePath(target.replace("$S", QFileInfo(storeFile()).fileName()));
        const QByteArray before = readFile(file);
        const QString refusal = "Could not write \"" + file + "\": it is the settings file itself.";
        const Storage storage(target.endsWith("new.ini") ? dir.filePath("new.ini") : storeFile());
        Model model = defaults();
        QCOMPARE(storage.exportList(model.list, file), refused ? refusal : QString());
        QCOMPARE(readFile(file) == before, refused);
        QCOMPARE(ExportScript(storage, model, StoredGeometry(), file).error,
                 refused ? refusal : QString());
        QCOMPARE(readFile(file) == before, refused);
    }
};

QTEST_GUILESS_MAIN(StorageTest)
#include "tst_storage.moc"

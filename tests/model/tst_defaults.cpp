#include "files/DefaultHtmlDir.h"
#include "model/Limits.h"
#include "model/Model.h"
#include "settings/Storage.h"
#include "settings/StoreLayout.h"
#include "settings/StoredGeometry.h"
#include "support/Files.h"
#include "web/GeneratePages.h"

#include <QDir>
#include <QStandardPaths>
#include <QTemporaryDir>
#include <QTest>

namespace {
// Moves a setting off whatever value it has.
struct ChangeSetting {
    void operator()(QString* text) const { *text += u'x'; }
    void operator()(bool* flag) const { *flag = !*flag; }
    void operator()(qint16* number) const { ++*number; }
    void operator()(qint32* number) const { ++*number; }
    void operator()(SymbolForms* forms) const { forms->push_back({"XLON", "{symbol}.X"}); }
};

struct NoReport : GenerationReport {
    void fileWritten(const QString&) override {}
    void finished(bool, const QString&) override {}
};
}  // namespace

// The starting state: defaults, the starter list, and the texts of the limits.
class DefaultsTest : public QObject {
    Q_OBJECT
  private Q_SLOTS:
    // Clear settings and the import rely on it: no setting and no flag may keep its old value.
    void applyDefaultsPutsEverythingBack() {
        Model model;
        model.chartSites.resize(ChartSiteLimit);
        TwipsGeometry geometry;
        for (const SectionLayout& section : SettingsLayout(model, geometry)) {
            for (const SettingField& field : section.fields) {
                std::visit(ChangeSetting(), field.target);
            }
        }
        model.SettingsChanged = model.PagesGenerated = true;
        ApplyDefaults(model, QString());
        Model fresh;
        ApplyDefaults(fresh, QString());
        QVERIFY(model == fresh);
    }

    // Pages go beside a program in a folder the user may write to (a build tree, a portable
    // copy), never among the system's files, even for root.
    void defaultHtmlDir_data() {
        QTest::addColumn<QString>("programDir");
        QTest::addColumn<bool>("own");  // the program's folder, else the per-user data folder
        QTest::newRow("a writable folder") << QDir::tempPath() << true;
        for (const char* system :
             {"/usr", "/usr/bin", "/usr/local/bin", "/opt", "/bin", "/sbin", "/lib"}) {
            QTest::newRow(system) << QString(system) << false;
        }
    }
    void defaultHtmlDir() {
        QFETCH(QString, programDir);
        QFETCH(bool, own);
        const QString data = QStandardPaths::writableLocation(QStandardPaths::GenericDataLocation);
        QCOMPARE(DefaultHtmlDirFor(programDir),
                 own ? programDir + u'/' : data + QStringLiteral("/Tickvane/pages/"));
    }

    // A first start, as the store saves it and the page set shows it, compared whole with
    // tests/data/firststart/ ("$T" there is the folder of the store and the pages).
    void firstStartIsStoredAndPaged() {
        QTemporaryDir dir;
        const Storage storage(dir.filePath(QStringLiteral("Tickvane.ini")));
        Model model;
        LoadAtStartup(model, storage, nullptr);
        StockList indexed = model.list;
        RebuildStockTypeIndex(indexed);
        QVERIFY(CheckInvariants(model.list) && indexed == model.list);
        QVERIFY(!model.SettingsChanged);
        model.general.HtmlDir = dir.path() + u'/';
        QVERIFY(storage.save(model, StoredGeometry()).ok);
        NoReport report;
        QVERIFY(GeneratePages(model, report));
        const QDir golden(QT_TESTCASE_SOURCEDIR "/data/firststart");
        QCOMPARE(QDir(dir.path()).entryList(QDir::Files), golden.entryList(QDir::Files));
        for (const QString& name : golden.entryList(QDir::Files)) {
            QVERIFY2(readFile(dir.filePath(name)).replace(dir.path().toUtf8(), "$T") ==
                         readFile(golden.filePath(name)),
                     qPrintable(name));
        }
    }

    void limitMessages() {
        QCOMPARE(TypeLimitMessage(),
                 QStringLiteral("Sorry, you have reached the (arbitrary) limit of 100 types.  If "
                                "this limit is a problem, please contact the author."));
        QCOMPARE(StockLimitMessage(),
                 QStringLiteral("Sorry, you have reached the (arbitrary) limit of 1000 stocks.  "
                                "If this limit is a problem, please contact the author."));
    }
};

QTEST_GUILESS_MAIN(DefaultsTest)
#include "tst_defaults.moc"

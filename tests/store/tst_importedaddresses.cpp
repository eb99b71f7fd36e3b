#include "store/Storage.h"
#include "store/StoredGeometry.h"

#include <QTemporaryDir>
#include <QTest>

// An imported address that the pages show without a link is kept, and named in one warning
// with a line for each such address, custom links first.
class ImportedAddressesTest : public QObject {
    Q_OBJECT
    QTemporaryDir dir_;

  private Q_SLOTS:
    void importWarnsOfUnlinkedAddresses_data() {
        QTest::addColumn<QStringList>("addresses");  // KEY=ADDRESS, CustomURLn or URLn
        QTest::addColumn<QStringList>("warned");     // the keys named, in order
        QTest::newRow("web and relative addresses")
            << QStringList{"CustomURL0=HTTPS://a.test/", "URL0=notes/ibm.html", "URL1=mailto:a@b"}
            << QStringList{};
        QTest::newRow("custom links and stocks")
            << QStringList{"URL2=javascript:alert(1)", "CustomURL1=data:text/html,x",
                           "URL0= vbscript:y", "URL1=https://ok.test/"}
            << QStringList{"CustomURL1", "URL0", "URL2"};
    }
    void importWarnsOfUnlinkedAddresses() {
        QFETCH(QStringList, addresses);
        QFETCH(QStringList, warned);
        Model model;
        ApplyDefaults(model);
        model.list.Maxtypes = 0;
        model.list.Maxstocks = 2;  // URL2 is the last stock's
        model.list.types[0] = {QStringLiteral("T"), 0, 2};
        for (int i = 0; i <= 2; ++i) {
            model.list.stocks[i].Stock = model.list.stocks[i].Description = QStringLiteral("S");
        }
        model.general.HtmlDir = dir_.path() + u'/';
        for (const QString& pair : addresses) {
            const QString key = pair.section(u'=', 0, 0);
            const int n = key.right(1).toInt();
            (key.startsWith("Custom") ? model.custom[n].CustomURL : model.list.stocks[n].URL) =
                pair.section(u'=', 1);
        }
        const Storage storage(dir_.filePath("Tickvane.ini"));
        const QString script = dir_.filePath("in.reg");
        QVERIFY(storage.exportScript(model, StoredGeometry(), script).ok);
        const StoreResult result = storage.importScript(script);
        QVERIFY2(result.ok, qPrintable(result.error));
        QStringList expected;
        for (const QString& key : warned) {
            expected << key + " in " + script +
                            " does not start with http://, https://, ftp://, mailto: or file:, "
                            "so the pages show the description without a link.";
        }
        QCOMPARE(result.warnings,
                 expected.isEmpty() ? QStringList() : QStringList{expected.join(u'\n')});
        Model back;
        ApplyDefaults(back);
        QVERIFY(storage.load(back, nullptr).ok);
        QCOMPARE(back.list.stocks, model.list.stocks);
        QCOMPARE(back.custom, model.custom);
    }
};

QTEST_GUILESS_MAIN(ImportedAddressesTest)
#include "tst_importedaddresses.moc"

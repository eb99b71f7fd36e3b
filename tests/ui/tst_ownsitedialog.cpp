#include "support/EditingHarness.h"
#include "ui/OwnSiteDialog.h"

#include <QCheckBox>
#include <QComboBox>
#include <QLineEdit>
#include <QTest>

namespace {
const char* const Once = "The address template must contain {symbol} exactly once.";
const char* const Complete =
    "The address template must be a complete http or https address, such as "
    "https://www.example.com/chart?s={symbol}";
const QString Sound = QStringLiteral("https://o.test/c?s={symbol}&t=1");
}  // namespace

// Done with the site enabled refuses what cannot make chart links, says why and changes
// nothing; anything else is stored, trimmed.
class OwnSiteDialogTest : public QObject {
    Q_OBJECT
  private Q_SLOTS:
    void done_data() {
        QTest::addColumn<bool>("enabled");
        QTest::addColumn<QString>("name");
        QTest::addColumn<QString>("address");
        QTest::addColumn<QString>("refusal");  // empty: accepted
        const QString n40(40, u'n');
        const QString own = QStringLiteral("Own");
        QTest::addRow("sound, trimmed") << true << " Own " << u' ' + Sound + u' ' << QString();
        QTest::addRow("40 characters") << true << n40 << "HTTP://O.test/{symbol}" << QString();
        QTest::addRow("off: anything goes") << false << QString() << "nonsense" << QString();
        QTest::addRow("blank name")
            << true << "  " << Sound << "Please enter a name for the chart site.";
        QTest::addRow("41 characters")
            << true << n40 + u'n' << Sound
            << "The name of the chart site may be at most 40 characters long.";
        QTest::addRow("no placeholder") << true << own << "https://o.test/c" << Once;
        QTest::addRow("two placeholders") << true << own << Sound + "{symbol}" << Once;
        QTest::addRow("other scheme") << true << own << "javascript:{symbol}" << Complete;
        QTest::addRow("no host") << true << own << "https:///c?s={symbol}" << Complete;
        QTest::addRow("blank inside") << true << own << "https://o.test/a b/{symbol}" << Complete;
    }

    void done() {
        QFETCH(bool, enabled);
        QFETCH(QString, name);
        QFETCH(QString, address);
        QFETCH(QString, refusal);
        EditingHarness h;
        OwnSiteDialog dialog(h.model, h.tree, h.platform);
        dialog.OwnSite_Init();
        dialog.findChild<QCheckBox*>("OwnEnabled")->setChecked(enabled);
        dialog.findChild<QLineEdit*>("OwnName")->setText(name);
        dialog.findChild<QLineEdit*>("OwnTemplate")->setText(address);
        dialog.findChild<QComboBox*>("SymbolsFrom")->setCurrentIndex(4);
        dialog.findChild<QCheckBox*>("NewWindow")->setChecked(true);
        dialog.Done_Click();
        QCOMPARE(h.platform.lastMessage(), refusal);
        QCOMPARE(h.model.SettingsChanged, refusal.isEmpty());
        const OwnSiteSettings stored{enabled, name.trimmed(), address.trimmed(), 3, true};
        QCOMPARE(h.model.ownSite, refusal.isEmpty() ? stored : OwnSiteSettings{});
    }
};

QTEST_MAIN(OwnSiteDialogTest)
#include "tst_ownsitedialog.moc"

#include "support/EditingHarness.h"
#include "ui/OwnSiteDialog.h"

#include <QCheckBox>
#include <QComboBox>
#include <QLineEdit>
#include <QTest>

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
        const QString sound = QStringLiteral("https://o.test/c?s={symbol}&t=1");
        const QString once =
            QStringLiteral("The address template must contain {symbol} exactly once.");
        const QString complete = QStringLiteral(
            "The address template must be a complete http or https address, such as "
            "https://www.example.com/chart?s={symbol}");
        QTest::addRow("sound, trimmed") << true << " Own "
                                        << " " + sound + " "
                                        << "";
        QTest::addRow("40 characters") << true << QString(40, u'n') << "HTTP://O.test/{symbol}"
                                       << "";
        QTest::addRow("off: anything goes") << false << ""
                                            << "nonsense"
                                            << "";
        QTest::addRow("blank name")
            << true << "  " << sound << "Please enter a name for the chart site.";
        QTest::addRow("41 characters")
            << true << QString(41, u'n') << sound
            << "The name of the chart site may be at most 40 characters long.";
        QTest::addRow("no placeholder") << true << "Own"
                                        << "https://o.test/c" << once;
        QTest::addRow("two placeholders") << true << "Own" << sound + "{symbol}" << once;
        QTest::addRow("relative") << true << "Own"
                                  << "/c?s={symbol}" << complete;
        QTest::addRow("other scheme") << true << "Own"
                                      << "javascript:{symbol}" << complete;
        QTest::addRow("no host") << true << "Own"
                                 << "https:///c?s={symbol}" << complete;
        QTest::addRow("blank inside") << true << "Own"
                                      << "https://o.test/a b/{symbol}" << complete;
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

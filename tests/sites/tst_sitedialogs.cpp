#include "model/Model.h"
#include "sites/ChartSite.h"
#include "sites/MovingAverageDays.h"
#include "sites/SiteDialog.h"

#include <QTest>

Q_DECLARE_METATYPE(SiteId)
Q_DECLARE_METATYPE(ControlKind)

// The rules of the site dialogs that need no widget.
class SiteDialogsTest : public QObject {
    Q_OBJECT
  private Q_SLOTS:
    // Each control edits a field of the site's store section that holds what the control
    // shows, inside a frame of the dialog; each field is edited by exactly one control.
    void everyControlEditsOneStoredField_data() {
        QTest::addColumn<SiteId>("site");
        for (SiteId site : AllSites) {
            QTest::newRow(qPrintable(Site(site).name)) << site;
        }
    }

    void everyControlEditsOneStoredField() {
        QFETCH(SiteId, site);
        Model model;
        const SettingFields fields = ChartSiteFor(site).fields(model);
        const SiteDialog& dialog = SiteDialogOf(site);
        QStringList edited;
        for (const DialogControl& control : dialog.controls) {
            QVERIFY2(FindControlField(control, fields), control.name);
            QVERIFY2(control.frame >= 0 && size_t(control.frame) < dialog.frames.size(),
                     control.name);
            edited << QString::fromLatin1(control.key);
        }
        QStringList keys;
        for (const SettingField& field : fields) {
            keys << field.key;
        }
        edited.sort();
        keys.sort();
        QCOMPARE(edited, keys);
    }

    // A key the site does not store, or a field that holds another kind of value, is no
    // control's field.
    void mismatchedControlsFindNoField_data() {
        QTest::addColumn<ControlKind>("kind");
        QTest::addColumn<QByteArray>("key");
        QTest::newRow("no such key") << ControlKind::Check << QByteArray("Indicators7");
        QTest::newRow("list of a text") << ControlKind::List << QByteArray("CompSym0");
        QTest::newRow("list of a number") << ControlKind::List << QByteArray("MoveAvg0");
        QTest::newRow("days of a selection") << ControlKind::Days << QByteArray("PlotSize");
        QTest::newRow("check box of a selection") << ControlKind::Check << QByteArray("PlotType");
        QTest::newRow("symbol of a number") << ControlKind::Symbol << QByteArray("Indicators0");
    }

    void mismatchedControlsFindNoField() {
        QFETCH(ControlKind, kind);
        QFETCH(QByteArray, key);
        Model model;
        const DialogControl control{"Made", kind, key.constData(), 0, {}};
        QVERIFY(!FindControlField(control, ChartSiteFor(SiteId::StockPoint).fields(model)));
    }

    // A moving-average box's text: empty is 0; a number may carry blanks around it, a sign, a
    // fraction and an exponent, and is rounded halves to even into 16 bits; anything else,
    // blanks alone included, is refused.
    void parseDays_data() {
        QTest::addColumn<QString>("text");
        QTest::addColumn<bool>("accepted");
        QTest::addColumn<int>("days");
        const auto accepted = [](const char* text, int days) {
            QTest::addRow("\"%s\"", text) << QString::fromLatin1(text) << true << days;
        };
        const auto refused = [](const char* text) {
            QTest::addRow("\"%s\"", text) << QString::fromLatin1(text) << false << 0;
        };
        accepted("", 0);
        accepted("50", 50);
        accepted(" -5 ", -5);
        accepted("+.5", 0);
        accepted("12.5", 12);
        accepted("13.5", 14);
        accepted("2.5e1", 25);
        accepted("1E+1", 10);
        accepted("7.", 7);
        accepted("-32768.5", -32768);
        accepted("32767.4", 32767);
        refused(" ");
        refused("\t  ");
        refused("abc");
        refused("1,000");
        refused("1 000");
        refused("0x10");
        refused("e5");
        refused(".");
        refused("--5");
        refused("32768");
        refused("-32769");
        refused("32767.5");
        refused("1e12");
    }

    void parseDays() {
        QFETCH(QString, text);
        QFETCH(bool, accepted);
        QFETCH(int, days);
        const std::optional<qint16> parsed = ParseDays(text);
        QCOMPARE(parsed.has_value(), accepted);
        if (accepted) {
            QCOMPARE(*parsed, qint16(days));
        }
    }

    // What the box shows for a stored length: nothing for 0, the number otherwise.
    void daysText_data() {
        QTest::addColumn<int>("days");
        QTest::addColumn<QString>("text");
        QTest::newRow("0") << 0 << "";
        QTest::newRow("1") << 1 << "1";
        QTest::newRow("-5") << -5 << "-5";
        QTest::newRow("-32768") << -32768 << "-32768";
        QTest::newRow("32767") << 32767 << "32767";
    }

    void daysText() {
        QFETCH(int, days);
        QFETCH(QString, text);
        QCOMPARE(DaysText(qint16(days)), text);
    }
};

QTEST_GUILESS_MAIN(SiteDialogsTest)
#include "tst_sitedialogs.moc"

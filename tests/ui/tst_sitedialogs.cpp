#include "model/Model.h"
#include "sites/ChartSite.h"
#include "sites/SiteDialog.h"
#include "support/FakePlatform.h"
#include "ui/SiteDialogs.h"
#include "ui/SiteOptionsDialog.h"
#include "ui/StockTree.h"

#include <QCheckBox>
#include <QComboBox>
#include <QLineEdit>
#include <QTest>

Q_DECLARE_METATYPE(SiteId)

namespace {
struct Harness {
    Model model;
    FakePlatform platform;
    StockTree tree{model};
    SiteDialogs dialogs{model, tree, platform};

    SiteOptionsDialog& open(SiteId site) {
        dialogs.open(site);
        return dialogs.dialog(site);
    }
    // The chart address of a stock "AOL" after the host.
    QString path(SiteId site) const {
        return u'/' + ChartSiteFor(site)
                          .chartAddress(model)
                          .forSymbol(QStringLiteral("AOL"))
                          .section(u'/', 3);
    }
};

template <typename Widget>
Widget& control(QDialog& dialog, const QString& name) {
    return *dialog.findChild<Widget*>(name);
}

// Applies "Name=value;..." as the user would: a list's entry by its label, a check box by
// 1 or 0, a box by its text.
void change(QDialog& dialog, const QString& changes) {
    for (const QString& change : changes.split(u';', Qt::SkipEmptyParts)) {
        const QString name = change.section(u'=', 0, 0);
        const QString value = change.section(u'=', 1);
        QWidget& widget = control<QWidget>(dialog, name);
        if (auto* list = qobject_cast<QComboBox*>(&widget)) {
            QVERIFY2(list->findText(value) >= 0, qPrintable(change));
            list->setCurrentIndex(list->findText(value));
        } else if (auto* check = qobject_cast<QCheckBox*>(&widget)) {
            check->setChecked(value == u'1');
        } else {
            static_cast<QLineEdit&>(widget).setText(value);
        }
    }
}
}  // namespace

// The four chart site dialogs, opened as the Options menu opens them.
class SiteDialogsTest : public QObject {
    Q_OBJECT
  private Q_SLOTS:
    void doneStoresTheChanges_data() {
        QTest::addColumn<SiteId>("site");
        QTest::addColumn<QString>("changes");
        QTest::addColumn<QString>("path");

        QTest::newRow("BigCharts")
            << SiteId::BigCharts
            << "TimePeriod=1 year;Frequency=Daily;CompIndex=S&P 500;PlotSize=Large;"
               "PriceDisplay=Candlestick;ChartBack=Black;MoveAvg=EMA (2-line);"
               "UpperInd=Bollinger Bands;LowerInd0=Relative Strength Index (RSI);"
               "LowerInd1=Moving Average Convergence/Divergence (MACD);LowerInd2=Volume;"
               "CompSym=msft"
            << "/intchart/frames/frames.asp?frames=1&time=8&freq=1&compidx=SP500%3A3377&size=3"
               "&type=8&style=350&ma=5&uf=8&lf=2&lf1=4&lf2=1&comp=MSFT&default=t&o_symb=AOL"
               "&symb=AOL";
        QTest::newRow("StockMaster")
            << SiteId::StockMaster
            << "TimeFrame=YTD;PlotType=% change;PlotScale=Log+;QuoteDetail=Detailed;"
               "DecimalsCheckbox=1;CompIndex=NASDAQ;MoveAvg1=EMA-50;MoveAvg2=SMA-200;"
               "UpInd=Bollinger bands;LowInd=RSI;CompSym0=a;CompSym1=b;CompSym2=c;CompSym3=d;"
               "CompSym4=e;PriceDisp=Candles+;ChartSize=Stacked;MenuType=Everything;"
               "SplitCheckbox=1;HiLowCheckbox=1"
            << "/exe/sm/chart?&Symbol=AOL&m=ytd&sm=pct&sc=lp&qo=d&qd=d&ci=I%3ACOMP&ma1=e50"
               "&ma2=s200&ui=bb&li=rsi&cs=A%20B%20C%20D%20E&t=cp&sz=st&co=f&ss=1&shl=1";
        QTest::newRow("StockPoint")
            << SiteId::StockPoint
            << "PlotSize=Large (600x400);TimePeriod=3 months;PlotType=Candlestick;"
               "CompIndex=NASDAQ;BollBand=1;Stochastics=1;MovingAvg=1;Volume=0;Comp1=ibm;"
               "Comp2=msft;Comp3=dell;Avg1=12.5;Avg2= 50"
            << "/quote.asp?Mode=CHART&Symbol=AOL&RepeatChart=1&sym3=IBM&sym4=MSFT&sym5=DELL"
               "&sym2=%24COMPQ&size=600x400&dRange=m3&PlotType=candle&ind1=boll&ind3=stoch"
               "&ind6=macd&avg1=12&avg2=50";
        QTest::newRow("StockPoint, the other indicators")
            << SiteId::StockPoint << "RelStr=1;BalVol=1;RateChange=1"
            << "/quote.asp?Mode=CHART&Symbol=AOL&RepeatChart=1&sym3=&sym4=&sym5=&sym2="
               "&size=500x300&dRange=w1&PlotType=line&ind2=rels&ind4=obv&ind5=proc"
               "&ind7=volume&avg1=&avg2=";
        QTest::newRow("Yahoo") << SiteId::Yahoo << "TimePeriod=1 year;ViewType=Moving Average"
                               << "/q?s=AOL&d=1ym";
    }

    // Done takes every control; reopened and done again without a change, the dialog shows
    // and keeps the same settings and still marks them changed.
    void doneStoresTheChanges() {
        QFETCH(SiteId, site);
        QFETCH(QString, changes);
        QFETCH(QString, path);

        Harness h;
        SiteOptionsDialog& dialog = h.open(site);
        QVERIFY(dialog.isVisible());
        change(dialog, changes);
        dialog.Done_Click();
        QVERIFY(!dialog.isVisible());
        QVERIFY(h.model.SettingsChanged);
        QCOMPARE(h.path(site), path);

        h.model.SettingsChanged = false;
        h.open(site).Done_Click();
        QVERIFY(h.model.SettingsChanged);
        QCOMPARE(h.path(site), path);
    }

    void cancelKeepsTheSettings_data() { doneStoresTheChanges_data(); }

    void cancelKeepsTheSettings() {
        QFETCH(SiteId, site);
        QFETCH(QString, changes);

        Harness h;
        const QString before = h.path(site);
        SiteOptionsDialog& dialog = h.open(site);
        change(dialog, changes);
        dialog.reject();
        QVERIFY(!dialog.isVisible());
        QVERIFY(!h.model.SettingsChanged);
        QCOMPARE(h.path(site), before);
        h.open(site).Done_Click();  // the cancelled edits are gone from the controls
        QCOMPARE(h.path(site), before);
    }

    void selectionOutsideItsTableOpensWithTheDefault() {
        Harness h;
        h.model.bigCharts.TimePeriod = 99;
        h.model.bigCharts.LowInd[2] = -1;
        h.open(SiteId::BigCharts).Done_Click();
        QCOMPARE(h.model.bigCharts.TimePeriod, BigChartsSettings().TimePeriod);
        QCOMPARE(h.model.bigCharts.LowInd[2], BigChartsSettings().LowInd[2]);
    }

    void yahooPeriodAndView_data() {
        QTest::addColumn<int>("storedPeriod");
        QTest::addColumn<int>("storedView");
        QTest::addColumn<QString>("changes");
        QTest::addColumn<QString>("period");
        QTest::addColumn<QString>("view");

        QTest::newRow("stored 1 day with a moving average") << 0 << 2 << ""
                                                            << "1 day"
                                                            << "Basic";
        QTest::newRow("stored 5 days with a moving average") << 1 << 2 << ""
                                                             << "5 days"
                                                             << "Moving Average";
        QTest::newRow("a comparison moves 1 day to 3 months") << 0 << 0 << "ViewType=vs S&P 500"
                                                              << "3 months"
                                                              << "vs S&P 500";
        QTest::newRow("1 day moves the view to basic") << 3 << 2 << "TimePeriod=1 day"
                                                       << "1 day"
                                                       << "Basic";
        QTest::newRow("5 days may follow a comparison") << 2 << 1 << "TimePeriod=5 days"
                                                        << "5 days"
                                                        << "vs S&P 500";
    }

    void yahooPeriodAndView() {
        QFETCH(int, storedPeriod);
        QFETCH(int, storedView);
        QFETCH(QString, changes);

        Harness h;
        h.model.yahoo = {qint16(storedView), qint16(storedPeriod)};
        SiteOptionsDialog& dialog = h.open(SiteId::Yahoo);
        change(dialog, changes);
        QComboBox& period = control<QComboBox>(dialog, "TimePeriod");
        QComboBox& view = control<QComboBox>(dialog, "ViewType");
        QTEST(period.currentText(), "period");
        QTEST(view.currentText(), "view");
        dialog.Done_Click();
        QCOMPARE(h.model.yahoo,
                 YahooSettings({qint16(view.currentIndex()), qint16(period.currentIndex())}));
    }

    void stockPointMovingAverages_data() {
        QTest::addColumn<QString>("avg1");
        QTest::addColumn<QString>("avg2");
        QTest::addColumn<bool>("refused");
        QTest::addColumn<QString>("shown1");  // after Done, or after reopening
        QTest::addColumn<QString>("shown2");

        QTest::newRow("halves to even") << "12.5"
                                        << "13.5" << false << "12"
                                        << "14";
        QTest::newRow("blanks, sign and zero") << " -5 "
                                               << "0" << false << "-5"
                                               << "";
        QTest::newRow("no digits before the point, exponent") << "+.5"
                                                              << "2.5e1" << false << ""
                                                              << "25";
        QTest::newRow("16-bit limits") << "-32768.5"
                                       << "32767.4" << false << "-32768"
                                       << "32767";
        QTest::newRow("words") << "abc"
                               << "x" << true << ""
                               << "";
        QTest::newRow("beyond 16 bits") << "40000"
                                        << "7" << true << ""
                                        << "7";
        QTest::newRow("far beyond") << "1e12"
                                    << "" << true << ""
                                    << "";
        QTest::newRow("thousands separator") << "9"
                                             << "1,000" << true << "9"
                                             << "";
    }

    // A refused Done has stored the lists and symbols but neither the days nor the indicators.
    void stockPointMovingAverages() {
        QFETCH(QString, avg1);
        QFETCH(QString, avg2);
        QFETCH(bool, refused);

        Harness h;
        h.model.stockPoint.MoveAvg = {7, 8};
        SiteOptionsDialog& dialog = h.open(SiteId::StockPoint);
        change(dialog, "PlotType=Candlestick;BollBand=1;Comp1=ibm;Avg1=" + avg1 + ";Avg2=" + avg2);
        dialog.Done_Click();

        const StockPointSettings& s = h.model.stockPoint;
        QCOMPARE(s.PlotType, qint16(1));
        QCOMPARE(s.CompSym[0], QStringLiteral("IBM"));
        QCOMPARE(dialog.isVisible(), refused);
        QCOMPARE(h.platform.messages.size(), refused ? 1 : 0);
        QCOMPARE(s.Indicators[0], qint16(refused ? 0 : 1));
        if (refused) {
            QCOMPARE(h.platform.lastMessage(), "Times for moving averages must be numeric");
            QCOMPARE(s.MoveAvg, (std::array<qint16, 2>{7, 8}));
        } else {
            h.open(SiteId::StockPoint);
        }
        QTEST(control<QLineEdit>(dialog, "Avg1").text(), "shown1");
        QTEST(control<QLineEdit>(dialog, "Avg2").text(), "shown2");
    }

    // Every symbol box opens in upper case and keeps the caret where it was as the user types.
    void symbolBoxesKeepUpperCase() {
        for (SiteId site : AllSites) {
            Harness h;
            for (const SettingField& field : ChartSiteFor(site).fields(h.model)) {
                if (QString* const* text = std::get_if<QString*>(&field.target)) {
                    **text = QStringLiteral("ab");
                }
            }
            SiteOptionsDialog& dialog = h.open(site);
            for (const DialogControl& c : SiteDialogOf(site).controls) {
                if (c.kind == ControlKind::Symbol) {
                    QLineEdit& box = control<QLineEdit>(dialog, QString::fromLatin1(c.name));
                    QCOMPARE(box.text(), QStringLiteral("AB"));
                    box.setCursorPosition(1);
                    QTest::keyClicks(&box, QStringLiteral("x"));
                    QCOMPARE(box.text(), QStringLiteral("AXB"));
                    QCOMPARE(box.cursorPosition(), 2);
                }
            }
        }
    }
};

QTEST_MAIN(SiteDialogsTest)
#include "tst_sitedialogs.moc"

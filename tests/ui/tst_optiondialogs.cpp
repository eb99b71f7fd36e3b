#include "sites/ChartSite.h"
#include "store/StoreLayout.h"
#include "store/StoredValue.h"
#include "support/FakePlatform.h"
#include "ui/MainWindow.h"

#include <QAbstractButton>
#include <QAccessible>
#include <QAction>
#include <QComboBox>
#include <QDialog>
#include <QGroupBox>
#include <QLineEdit>
#include <QSlider>
#include <QTemporaryDir>
#include <QTest>

// The option dialogs, opened from the window's Options menu and driven by scripts of steps
// and checks, one word of verb first:
//   set KEY=VALUE (the stored setting, before opening)   menu ITEM   done   cancel   generate
//   click NAME   type NAME TEXT   keys NAME POSITION TEXT (typed at the caret)   pick LIST TEXT
//   focus NAME   slide N   color N|none   file PATH
//   on|off|enabled|disabled NAME   shows NAME TEXT   named NAME TEXT (for screen readers)
//   caret NAME [POSITION]   has KEY=VALUE   said TEXT   chart SITE TEXT (in the address of
//   a stock AOL)   redo (opens the last dialog again, Done: no address changes)
//   silent   open   closed   proposed PATH   page FILE TEXT   nopage FILE
// A KEY may name its section, "Yahoo:TimePeriod"; $T stands for a scratch folder, $H for the
// home folder.
class OptionDialogsTest : public QObject {
    Q_OBJECT
  private:
    QTemporaryDir dir;
    Model model;
    FakePlatform platform;
    const Storage storage{dir.filePath(QStringLiteral("Tickvane.ini"))};
    std::unique_ptr<MainWindow> window;
    QDialog* dialog = nullptr;
    QString lastMenu;

    static bool matches(const QString& section, const QString& name, const QString& key) {
        return key == name || key == section + u':' + name;
    }

    QStringList addresses() const {
        QStringList all;
        for (SiteId site : AllSites) {
            all << ChartSiteFor(site).chartAddress(model).forSymbol(QStringLiteral("AOL"));
        }
        return all;
    }

    QString expand(QString text) const {
        return text.replace(QStringLiteral("$T"), dir.path())
            .replace(QStringLiteral("$H"), QDir::homePath());
    }

    template <typename Widget>
    Widget* find(const QString& name) {
        auto* widget = dialog->findChild<Widget*>(name);
        if (!widget) {
            qFatal("no %s", qPrintable(name));
        }
        return widget;
    }

    // The stored form of a setting of the General or Custom section, or the changed flag.
    QString stored(const QString& key) {
        if (key == QLatin1String("SettingsChanged")) {
            return model.SettingsChanged ? QStringLiteral("True") : QStringLiteral("False");
        }
        TwipsGeometry geometry;
        for (const StoreSection& section : ModelSections(model, geometry)) {
            for (const auto& [name, value] : section.values) {
                if (matches(section.name, name, key)) {
                    return value;
                }
            }
        }
        return QStringLiteral("no such key");
    }

    void set(const QString& key, const QString& value) {
        TwipsGeometry geometry;
        for (const SectionLayout& section : SettingsLayout(model, geometry)) {
            for (const SettingField& field : section.fields) {
                if (matches(section.name, field.key, key)) {
                    QVERIFY(ReadStoredText(field, value));
                }
            }
        }
    }

    // Steps are separated by a semicolon and a blank.
    void play(const QString& script) {
        for (const QString& line : script.split(QStringLiteral("; "))) {
            const QString verb = line.section(u' ', 0, 0);
            const QString args = expand(line.section(u' ', 1));
            const QString name = args.section(u' ', 0, 0);
            const QString rest = args.section(u' ', 1);
            const QString key = args.section(u'=', 0, 0);
            const QString value = args.section(u'=', 1);
            if (verb == "set") {
                set(key, value);
            } else if (verb == "menu") {
                lastMenu = name;
                window->findChild<QAction*>(name)->trigger();
                for (QDialog* shown : window->findChildren<QDialog*>()) {
                    dialog = shown->isVisible() ? shown : dialog;
                }
                QVERIFY(dialog && dialog->isVisible());
            } else if (verb == "done") {
                QTest::keyClick(dialog, Qt::Key_Return);
            } else if (verb == "cancel") {
                QTest::keyClick(dialog, Qt::Key_Escape);
            } else if (verb == "generate") {
                window->findChild<QAbstractButton*>(QStringLiteral("GenerateWebPages"))->click();
            } else if (verb == "click") {
                find<QAbstractButton>(name)->click();
            } else if (verb == "type") {
                find<QLineEdit>(name)->setText(rest);
            } else if (verb == "keys") {
                find<QLineEdit>(name)->setCursorPosition(rest.section(u' ', 0, 0).toInt());
                QTest::keyClicks(find<QLineEdit>(name), rest.section(u' ', 1));
            } else if (verb == "pick") {
                auto* list = find<QComboBox>(name);
                QVERIFY2(list->findText(rest) >= 0, qPrintable(line));
                list->setCurrentIndex(list->findText(rest));
            } else if (verb == "focus") {
                QFocusEvent tabbedIn(QEvent::FocusIn, Qt::TabFocusReason);
                QApplication::sendEvent(find<QLineEdit>(name), &tabbedIn);
            } else if (verb == "slide") {
                find<QSlider>(QStringLiteral("PanelWidth"))->setValue(args.toInt());
            } else if (verb == "color") {
                platform.colorChoices.append(args == "none" ? std::nullopt
                                                            : std::optional<qint32>(args.toInt()));
            } else if (verb == "file") {
                platform.fileChoices.append(args);
            } else if (verb == "on" || verb == "off") {
                QCOMPARE(find<QAbstractButton>(name)->isChecked(), verb == "on");
            } else if (verb == "enabled" || verb == "disabled") {
                QCOMPARE(find<QWidget>(name)->isEnabled(), verb == "enabled");
            } else if (verb == "shows") {
                auto* frame = dialog->findChild<QGroupBox*>(name);
                auto* list = dialog->findChild<QComboBox*>(name);
                QCOMPARE(frame  ? frame->title()
                         : list ? list->currentText()
                                : find<QLineEdit>(name)->text(),
                         rest);
            } else if (verb == "named") {
                auto* widget = QAccessible::queryAccessibleInterface(find<QWidget>(name));
                QCOMPARE(widget->text(QAccessible::Name), rest);
            } else if (verb == "caret") {
                auto* field = find<QLineEdit>(name);
                QVERIFY(!field->hasSelectedText());
                QCOMPARE(field->cursorPosition(),
                         rest.isEmpty() ? field->text().size() : rest.toInt());
            } else if (verb == "chart") {
                const QString address = addresses().value(
                    std::find_if(AllSites.begin(), AllSites.end(),
                                 [&](SiteId site) { return Site(site).name == name; }) -
                    AllSites.begin());
                QVERIFY2(address.contains(rest), qPrintable(address));
            } else if (verb == "redo") {
                const QStringList before = addresses();
                play(QStringLiteral("menu ") + lastMenu + QStringLiteral("; done; closed"));
                QCOMPARE(addresses(), before);
            } else if (verb == "has") {
                QCOMPARE(stored(key), value);
            } else if (verb == "said") {
                QVERIFY2(platform.lastMessage().startsWith(args),
                         qPrintable(platform.lastMessage()));
            } else if (verb == "silent") {
                QVERIFY2(platform.messages.isEmpty(), qPrintable(platform.lastMessage()));
            } else if (verb == "open" || verb == "closed") {
                QCOMPARE(dialog->isVisible(), verb == "open");
            } else if (verb == "proposed") {
                QCOMPARE(platform.fileProposals.last(), args);
                QCOMPARE(platform.lastOverwrite, Platform::Overwrite::DontAsk);
            } else if (verb == "nopage") {
                QVERIFY(!QFile::exists(dir.filePath(QStringLiteral("site/") + name)));
            } else if (verb == "page") {
                QFile page(dir.filePath(QStringLiteral("site/") + name));
                QVERIFY(page.open(QIODevice::ReadOnly));
                QVERIFY2(page.readAll().contains(rest.toLatin1()), qPrintable(line));
            } else {
                QFAIL(qPrintable("unknown step " + line));
            }
        }
    }

  private Q_SLOTS:
    void init() {
        platform = FakePlatform();
        window = std::make_unique<MainWindow>(model, storage, platform);
        window->show();
        QFile file(dir.filePath(QStringLiteral("file")));
        QVERIFY(file.open(QIODevice::WriteOnly));
    }

    void cleanup() {
        dialog = nullptr;
        window.reset();
    }

    void generalOptions_data() {
        QTest::addColumn<QString>("script");
        QTest::newRow("defaults on opening")
            << "menu GenOptsMenu; on Start_SP; off Start_BC; on BigChartsWeb; on StockMasterWeb; "
               "on StockPointWeb; on YahooWeb; on ColorCheckBox; disabled ColorSample; "
               "disabled SetTextColor; disabled SetBackColor; "
               "shows PwFrame Navigation frame width = 20%; named HtmlPath Path for HTML files; "
               "slide 25; named PanelWidth Navigation frame width = 25%; slide 20; done; closed; "
               "has PanelPercent=20; has SettingsChanged=True; silent";
        QTest::newRow("start page's site not enabled: what was stored")
            << "set HtmlDir=$T/old/; menu GenOptsMenu; click Start_YH; click YahooWeb; "
               "click UpperStock; type HtmlPath $T/new; slide 35; "
               "shows PwFrame Navigation frame width = 35%; done; open; "
               "said You must enable the web site used for the initial page; "
               "has StartPage=yahoo; has ForceUpper=True; has SettingsChanged=True; "
               "has Yahoo_enable=True; has HtmlDir=$T/old/; has PanelPercent=20; "
               "click YahooWeb; done; closed; has HtmlDir=$T/new/; has PanelPercent=35";
        QTest::newRow("own site as start page, off then on")
            << "set Name=Mine; set Template=https://o.test/{symbol}; menu GenOptsMenu; "
               "click Start_OWN; done; open; said You must enable the web site used for the "
               "initial page; has StartPage=own; cancel; set Enabled=True; menu GenOptsMenu; "
               "on Start_OWN; done; closed; has StartPage=own";
        QTest::newRow("separator on Done, folder not there yet")
            << "menu GenOptsMenu; type HtmlPath $T/pages; done; closed; has HtmlDir=$T/pages/; "
               "silent";
        QTest::newRow("separator on Browse, cancelled")
            << "menu GenOptsMenu; type HtmlPath $T/pages; click PathBrowse; "
               "proposed $T/pages/tickvane.html; shows HtmlPath $T/pages/";
        QTest::newRow("Browse keeps the folder only")
            << "menu GenOptsMenu; file $T/web/index.htm; click PathBrowse; "
               "shows HtmlPath $T/web/; done; has HtmlDir=$T/web/";
        QTest::newRow("colour box ticked, then Cancel")
            << "set UseBrowserColors=False; menu GenOptsMenu; enabled SetBackColor; "
               "click ColorCheckBox; disabled SetBackColor; cancel; closed; "
               "has UseBrowserColors=True; has SettingsChanged=False";
        QTest::newRow("a colour, then Cancel")
            << "set UseBrowserColors=False; menu GenOptsMenu; color 255; click SetTextColor; "
               "cancel; has TextColor=0; menu GenOptsMenu; color none; click SetBackColor; done; "
               "has TextColor=0; has BackColor=16777215";
        QTest::newRow("colours, then Done")
            << "set UseBrowserColors=False; menu GenOptsMenu; color 255; click SetTextColor; "
               "color 65280; click SetBackColor; done; has TextColor=255; has BackColor=65280";
        QTest::newRow("colours chosen, then browser default")
            << "set UseBrowserColors=False; menu GenOptsMenu; color 255; click SetTextColor; "
               "click ColorCheckBox; done; has TextColor=0; has UseBrowserColors=True";
        QTest::newRow("start page matching no site")
            << "menu GenOptsMenu; cancel; set StartPage=; menu GenOptsMenu; off Start_BC; "
               "off Start_SM; off Start_SP; off Start_YH; done; closed; has StartPage=";
        QTest::newRow("width beyond the slider")
            << "set PanelPercent=5; menu GenOptsMenu; shows PwFrame Navigation frame width = 10%; "
               "cancel; set PanelPercent=75; menu GenOptsMenu; "
               "shows PwFrame Navigation frame width = 50%; done; has PanelPercent=50";
        QTest::newRow("empty path")
            << "set HtmlDir=$T/old/; menu GenOptsMenu; type HtmlPath ; done; open; "
               "said The path for HTML files is empty.; has HtmlDir=$T/old/; "
               "has SettingsChanged=False";
        QTest::newRow("relative path")
            << "menu GenOptsMenu; click Start_BC; type HtmlPath pages; done; open; "
               "said The path for HTML files \"pages\" is not a full path.; "
               "has StartPage=stockpoint";
        QTest::newRow("path of a file") << "menu GenOptsMenu; type HtmlPath $T/file/; done; open; "
                                           "said The path for HTML files \"$T/file/\" names a file";
        QTest::newRow("home folder")
            << "menu GenOptsMenu; type HtmlPath ~/pages; done; closed; has HtmlDir=$H/pages/; "
               "shows HtmlPath $H/pages/";
    }

    void generalOptions() {
        QFETCH(QString, script);
        play(script);
    }

    void customUrls_data() {
        QTest::addColumn<QString>("script");
        QTest::newRow("entry without a URL is disabled")
            << "menu CustomUrlMenu; named CustomAction0 Action; named CustomURL0 URL; "
               "click CustomAction0_1; type CustomUrlDesc0 Home; done; closed; "
               "has CustomURLAction0=0; has CustomDesc0=Home; has SettingsChanged=True";
        QTest::newRow("\"http://\" on entering, new window")
            << "menu CustomUrlMenu; type CustomUrlDesc1 News; focus CustomURL1; "
               "shows CustomURL1 http://; caret CustomURL1; click CustomAction1_2; done; "
               "has CustomURLAction1=2; has CustomURL1=http://";
        QTest::newRow("blanks-only description")
            << "menu CustomUrlMenu; type CustomUrlDesc0    ; type CustomURL0  http://a.org ; "
               "click CustomAction0_2; done; has CustomURLAction0=0; has CustomDesc0=; "
               "has CustomURL0=http://a.org";
        QTest::newRow("texts kept when disabled")
            << "menu CustomUrlMenu; type CustomUrlDesc1 Home; type CustomURL1 http://h.org; "
               "on CustomAction1_0; done; has CustomDesc1=Home; has CustomURL1=http://h.org; "
               "has CustomURLAction1=0; menu CustomUrlMenu; shows CustomUrlDesc1 Home; "
               "shows CustomURL1 http://h.org";
        QTest::newRow("Cancel keeps everything")
            << "set CustomURLAction0=1; set CustomDesc0=Home; set CustomURL0=http://h.org; "
               "menu CustomUrlMenu; on CustomAction0_1; type CustomUrlDesc0 Away; "
               "click CustomAction0_0; cancel; closed; has CustomURLAction0=1; "
               "has CustomDesc0=Home; has SettingsChanged=False; menu CustomUrlMenu; "
               "on CustomAction0_1; shows CustomUrlDesc0 Home";
        QTest::newRow("action no button stands for")
            << "set CustomURLAction1=7; menu CustomUrlMenu; on CustomAction1_0";
    }

    void customUrls() {
        QFETCH(QString, script);
        play(script);
    }

    // The four sites' dialogs and the own site's: every control to its setting, and the
    // rules between them.
    void chartSites_data() {
        QTest::addColumn<QString>("script");
        QTest::newRow("BigCharts")
            << "menu BigChartsMenu; pick TimePeriod 1 year; pick Frequency Daily; "
               "pick CompIndex S&P 500; pick PlotSize Large; pick PriceDisplay Candlestick; "
               "pick ChartBack Black; pick MoveAvg EMA (2-line); pick UpperInd Bollinger Bands; "
               "pick LowerInd0 Relative Strength Index (RSI); "
               "pick LowerInd1 Moving Average Convergence/Divergence (MACD); "
               "pick LowerInd2 Volume; type CompSym msft; done; redo; chart BigCharts "
               "/intchart/frames/frames.asp?frames=1&time=8&freq=1&compidx=SP500%3A3377&size=3"
               "&type=8&style=350&ma=5&uf=8&lf=2&lf1=4&lf2=1&comp=MSFT&default=t&o_symb=AOL";
        QTest::newRow("StockMaster")
            << "menu StockMasterMenu; pick TimeFrame YTD; pick PlotType % change; "
               "pick PlotScale Log+; pick QuoteDetail Detailed; click DecimalsCheckbox; "
               "pick CompIndex NASDAQ; pick MoveAvg1 EMA-50; pick MoveAvg2 SMA-200; "
               "pick UpInd Bollinger bands; pick LowInd RSI; type CompSym0 a; type CompSym1 b; "
               "type CompSym2 c; type CompSym3 d; type CompSym4 e; pick PriceDisp Candles+; "
               "pick ChartSize Stacked; pick MenuType Everything; click SplitCheckbox; "
               "click HiLowCheckbox; done; redo; chart StockMaster "
               "/exe/sm/chart?&Symbol=AOL&m=ytd&sm=pct&sc=lp&qo=d&qd=d&ci=I%3ACOMP&ma1=e50"
               "&ma2=s200&ui=bb&li=rsi&cs=A%20B%20C%20D%20E&t=cp&sz=st&co=f&ss=1&shl=1";
        QTest::newRow("StockPoint")
            << "menu StockPointMenu; pick PlotSize Large (600x400); pick TimePeriod 3 months; "
               "pick PlotType Candlestick; pick CompIndex NASDAQ; click BollBand; "
               "click Stochastics; click MovingAvg; click Volume; type Comp1 ibm; "
               "type Comp2 msft; type Comp3 dell; type Avg1 12.5; type Avg2  50; done; redo; "
               "chart StockPoint /quote.asp?Mode=CHART&Symbol=AOL&RepeatChart=1&sym3=IBM"
               "&sym4=MSFT&sym5=DELL&sym2=%24COMPQ&size=600x400&dRange=m3&PlotType=candle"
               "&ind1=boll&ind3=stoch&ind6=macd&avg1=12&avg2=50";
        QTest::newRow("StockPoint, the other indicators")
            << "menu StockPointMenu; click RelStr; click BalVol; click RateChange; done; redo; "
               "chart StockPoint &PlotType=line&ind2=rels&ind4=obv&ind5=proc&ind7=volume&avg1=";
        QTest::newRow("Yahoo")
            << "menu YahooMenu; pick TimePeriod 1 year; "
               "pick ViewType Moving Average; done; redo; chart Yahoo /q?s=AOL&d=1ym";
        QTest::newRow("Yahoo: stored 1 day with a moving average")
            << "set ViewType=2; set Yahoo:TimePeriod=0; menu YahooMenu; shows TimePeriod 1 day; "
               "shows ViewType Basic; done; has Yahoo:ViewType=0";
        QTest::newRow("Yahoo: 5 days with a moving average")
            << "set ViewType=2; menu YahooMenu; shows TimePeriod 5 days; "
               "shows ViewType Moving Average";
        QTest::newRow("Yahoo: a comparison moves 1 day to 3 months")
            << "set Yahoo:TimePeriod=0; menu YahooMenu; pick ViewType vs S&P 500; "
               "shows TimePeriod 3 months; done; has Yahoo:TimePeriod=2; has ViewType=1";
        QTest::newRow("Yahoo: 1 day moves the view to basic")
            << "set ViewType=2; menu YahooMenu; pick TimePeriod 1 day; shows ViewType Basic";
        QTest::newRow("Yahoo: 5 days may follow a comparison")
            << "set ViewType=1; set Yahoo:TimePeriod=2; menu YahooMenu; pick TimePeriod 5 days; "
               "shows ViewType vs S&P 500";
        QTest::newRow("StockPoint days: halves to even")
            << "menu StockPointMenu; type Avg1 12.5; type Avg2 13.5; done; redo; "
               "chart StockPoint &avg1=12&avg2=14";
        QTest::newRow("StockPoint days: blanks, sign, zero, no digits before the point")
            << "menu StockPointMenu; type Avg1  -5 ; type Avg2 +.5; done; menu StockPointMenu; "
               "shows Avg1 -5; shows Avg2 ; type Avg2 2.5e1; done; has StockPoint:MoveAvg1=25";
        QTest::newRow("StockPoint days: 16-bit limits")
            << "menu StockPointMenu; type Avg1 -32768.5; type Avg2 32767.4; done; closed; "
               "has StockPoint:MoveAvg0=-32768; has StockPoint:MoveAvg1=32767";
        for (const char* refused : {"abc", "40000", "1e12", "1,000", "32768"}) {
            QTest::addRow("StockPoint days refused: %s", refused)
                << "set StockPoint:MoveAvg1=8; menu StockPointMenu; pick PlotType Candlestick; "
                   "click BollBand; type Comp1 ibm; type Avg1 7; type Avg2 " +
                       QString::fromLatin1(refused) +
                       "; done; open; said Times for moving averages must be numeric; "
                       "has StockPoint:PlotType=1; has StockPoint:CompSym0=IBM; "
                       "has Indicators0=0; has StockPoint:MoveAvg0=0; has StockPoint:MoveAvg1=8";
        }
        QTest::newRow("symbols in upper case, caret kept")
            << "set CompSym=ab; set CompSym4=ab; set CompSym2=ab; menu BigChartsMenu; "
               "keys CompSym 1 x; shows CompSym AXB; caret CompSym 2; cancel; "
               "menu StockMasterMenu; shows CompSym4 AB; keys CompSym4 1 x; shows CompSym4 AXB; "
               "caret CompSym4 2; cancel; menu StockPointMenu; keys Comp3 1 x; "
               "shows Comp3 AXB; caret Comp3 2";
        const QString own = QStringLiteral("menu OwnSiteMenu; click OwnEnabled; type OwnName ");
        const QString sound = QStringLiteral("; type OwnTemplate https://o.test/c?s={symbol}");
        const QString refused = QStringLiteral(
            "; done; open; has SettingsChanged=False; has OwnSite:Enabled=no such key; said ");
        QTest::newRow("own site: sound, trimmed")
            << own +
                   " Own ; type OwnTemplate  https://o.test/c?s={symbol}&t=1 ; "
                   "pick SymbolsFrom Yahoo symbol; click NewWindow; done; closed; has "
                   "OwnSite:Name=Own; "
                   "has OwnSite:Template=https://o.test/c?s={symbol}&t=1; has SymbolsFrom=3; "
                   "has NewWindow=True; has OwnSite:Enabled=True; menu OwnSiteMenu; "
                   "shows SymbolsFrom Yahoo symbol; on NewWindow; on OwnEnabled";
        QTest::newRow("own site: 40 characters")
            << own + QString(40, u'n') + "; type OwnTemplate HTTP://O.test/{symbol}; done; closed";
        QTest::newRow("own site: off, anything goes")
            << "menu OwnSiteMenu; type OwnTemplate nonsense; done; closed; has "
               "OwnSite:Template=nonsense";
        QTest::newRow("own site: blank name")
            << own + " " + sound + refused + "Please enter a name for the chart site.";
        QTest::newRow("own site: 41 characters")
            << own + QString(41, u'n') + sound + refused +
                   "The name of the chart site may be at most 40 characters long.";
        const QString once =
            QStringLiteral("The address template must contain {symbol} exactly once.");
        const QString complete = QStringLiteral(
            "The address template must be a complete http or "
            "https address, such as https://www.example.com/chart?s={symbol}");
        QTest::newRow("own site: no placeholder")
            << own + "Own; type OwnTemplate https://o.test/c" + refused + once;
        QTest::newRow("own site: two placeholders")
            << own + "Own" + sound + "{symbol}" + refused + once;
        QTest::newRow("own site: other scheme")
            << own + "Own; type OwnTemplate javascript:{symbol}" + refused + complete;
        QTest::newRow("own site: no host")
            << own + "Own; type OwnTemplate https:///c?s={symbol}" + refused + complete;
        QTest::newRow("own site: blank inside")
            << own + "Own; type OwnTemplate https://o.test/a b/{symbol}" + refused + complete;
    }

    void chartSites() {
        QFETCH(QString, script);
        play(script);
    }

    void pagesShowTheChoices() {
        play(
            "menu GenOptsMenu; type HtmlPath $T/site; click ColorCheckBox; color 255; "
            "click SetTextColor; color 65280; click SetBackColor; click NoLbCheck; "
            "click BigChartsWeb; slide 40; done; menu CustomUrlMenu; "
            "type CustomUrlDesc1 My news; type CustomURL1 http://news.example; "
            "click CustomAction1_2; done; generate; said Pages generated.; "
            "page stockpoint.frame.html cols=\"25%,75%\"; "
            "page blank.html <body bgcolor=#00FF00 text=#FF0000>; "
            "page yahoo.html bgcolor=#00FF00 text=#FF0000>Yahoo&nbsp;charts<br>; "
            "page yahoo.html <a target=\"new\" href=\"http://news.example\">My&nbsp;news</a>; "
            "nopage bigcharts.html; page bigcharts.frame.html src=\"bigcharts.html\"");
    }
};

QTEST_MAIN(OptionDialogsTest)
#include "tst_optiondialogs.moc"

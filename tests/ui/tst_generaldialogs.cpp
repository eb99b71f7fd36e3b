#include "store/StoreLayout.h"
#include "store/StoredValue.h"
#include "support/FakePlatform.h"
#include "ui/MainWindow.h"

#include <QAbstractButton>
#include <QAccessible>
#include <QAction>
#include <QDialog>
#include <QGroupBox>
#include <QLineEdit>
#include <QSlider>
#include <QTemporaryDir>
#include <QTest>

// The general options and custom URLs dialogs, opened from the window's Options menu and
// driven by scripts of steps and checks, one word of verb first:
//   set KEY=VALUE (the stored setting, before opening)   menu ITEM   done   cancel   generate
//   click NAME   type NAME TEXT   focus NAME   slide N   color N|none   file PATH
//   on|off|enabled|disabled NAME   shows NAME TEXT   named NAME TEXT (for screen readers)
//   caret NAME   has KEY=VALUE   said TEXT
//   silent   open   closed   proposed PATH   page FILE TEXT   nopage FILE
// $T stands for a scratch folder, $H for the home folder.
class GeneralDialogsTest : public QObject {
    Q_OBJECT
  private:
    QTemporaryDir dir;
    Model model;
    FakePlatform platform;
    const Storage storage{dir.filePath(QStringLiteral("Tickvane.ini"))};
    std::unique_ptr<MainWindow> window;
    QDialog* dialog = nullptr;

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
                if (name == key) {
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
                if (field.key == key) {
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
                QCOMPARE(frame ? frame->title() : find<QLineEdit>(name)->text(), rest);
            } else if (verb == "named") {
                auto* widget = QAccessible::queryAccessibleInterface(find<QWidget>(name));
                QCOMPARE(widget->text(QAccessible::Name), rest);
            } else if (verb == "caret") {
                auto* field = find<QLineEdit>(name);
                QVERIFY(!field->hasSelectedText());
                QCOMPARE(field->cursorPosition(), field->text().size());
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

QTEST_MAIN(GeneralDialogsTest)
#include "tst_generaldialogs.moc"

#include "sites/ChartSite.h"
#include "store/StoreLayout.h"
#include "store/StoredValue.h"
#include "support/FakePlatform.h"
#include "ui/window/MainWindow.h"

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
// and checks (tests/data/dialogscripts.txt), one word of verb first:
//   set KEY=VALUE (the stored setting, before opening)   menu ITEM   done   cancel   generate
//   click NAME   type NAME TEXT   keys NAME POSITION TEXT (typed at the caret)   pick LIST TEXT
//   focus NAME   slide N   color N|none   file PATH
//   on|off|enabled|disabled NAME   shows NAME TEXT   named NAME TEXT (for screen readers)
//   caret NAME [POSITION]   has KEY=VALUE   said TEXT   chart SITE TEXT (in the address of
//   a stock AOL)   redo (opens the last dialog again, Done: no address changes)
//   silent   open   closed   proposed PATH   page FILE TEXT   nopage FILE
//   answer Yes|No (to the next question)   focused NAME
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
            } else if (verb == "answer") {
                platform.answers.append(args == "No" ? Platform::Answer::No
                                                     : Platform::Answer::Yes);
            } else if (verb == "focused") {
                QCOMPARE(dialog->focusWidget()->objectName(), name);
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

    // Every line of tests/data/dialogscripts.txt is a row: its name, a tab and its script.
    void scripts_data() {
        QTest::addColumn<QString>("script");
        QFile file(QStringLiteral(QT_TESTCASE_SOURCEDIR "/data/dialogscripts.txt"));
        QVERIFY(file.open(QIODevice::ReadOnly | QIODevice::Text));
        for (const QString& row :
             QString::fromUtf8(file.readAll()).split(u'\n', Qt::SkipEmptyParts)) {
            QTest::newRow(qPrintable(row.section(u'\t', 0, 0))) << row.section(u'\t', 1);
        }
    }

    void scripts() {
        QFETCH(QString, script);
        play(script);
    }
};

QTEST_MAIN(OptionDialogsTest)
#include "tst_optiondialogs.moc"

#include "sites/ChartSite.h"
#include "store/StoreLayout.h"
#include "store/StoredValue.h"
#include "support/WindowSession.h"

#include <QAbstractButton>
#include <QAccessible>
#include <QApplication>
#include <QComboBox>
#include <QDialog>
#include <QDir>
#include <QFile>
#include <QGroupBox>
#include <QLineEdit>
#include <QSlider>
#include <QTemporaryDir>
#include <QTest>

namespace {
// Why a step of a script failed; the script stops there.
struct StepFailed {
    QString why;
};

void expect(bool holds, const QString& why) {
    if (!holds) {
        throw StepFailed{why};
    }
}

void expectEqual(const QString& actual, const QString& expected) {
    expect(actual == expected,
           QStringLiteral("\"%1\" where \"%2\" was expected").arg(actual, expected));
}

QString yesNo(bool value) {
    return value ? QStringLiteral("True") : QStringLiteral("False");
}
}  // namespace

// The option dialogs, opened from the window's Options menu and driven by scripts of steps
// and checks (tests/data/dialogscripts.txt), one word of verb first:
//   set KEY=VALUE (the stored setting, before opening)   menu ITEM   done   cancel   generate
//   click NAME   type NAME TEXT   keys NAME POSITION TEXT (typed at the caret)   pick LIST TEXT
//   focus NAME   slide N   color N|none   file PATH
//   on|off|enabled|disabled NAME   shows NAME TEXT   named NAME TEXT (for screen readers)
//   caret NAME [POSITION]   has KEY=VALUE   said TEXT   chart SITE TEXT (in the address of
//   a stock AOL)   redo (opens the last dialog again, Done: no address changes)
//   silent   open   closed   proposed PATH   page FILE TEXT   nopage FILE
// A KEY may name its section, "Yahoo:TimePeriod"; $T stands for a scratch folder, $H for the
// home folder. A script stops at its first failed step, which the failure names.
class OptionDialogsTest : public QObject {
    Q_OBJECT
  private:
    QTemporaryDir dir;
    std::unique_ptr<WindowSession> session;
    QDialog* dialog = nullptr;
    QString lastMenu;

    static bool matches(const QString& section, const QString& name, const QString& key) {
        return key == name || key == section + u':' + name;
    }

    QStringList addresses() const {
        QStringList all;
        for (SiteId site : AllSites) {
            all << ChartSiteFor(site).chartAddress(session->model).pieces.join(u"AOL");
        }
        return all;
    }

    QString expand(QString text) const {
        return text.replace(QStringLiteral("$T"), dir.path())
            .replace(QStringLiteral("$H"), QDir::homePath());
    }

    template <typename Widget>
    Widget* find(const QString& name) const {
        expect(dialog, QStringLiteral("no dialog is open"));
        auto* widget = dialog->findChild<Widget*>(name);
        expect(widget, QStringLiteral("the dialog has no %1 named %2")
                           .arg(QLatin1String(Widget::staticMetaObject.className()), name));
        return widget;
    }

    // The stored form of a setting, or the changed flag.
    QString stored(const QString& key) const {
        if (key == QLatin1String("SettingsChanged")) {
            return yesNo(session->model.SettingsChanged);
        }
        TwipsGeometry geometry;
        for (const StoreSection& section : ModelSections(session->model, geometry)) {
            for (const auto& [name, value] : section.values) {
                if (matches(section.name, name, key)) {
                    return value;
                }
            }
        }
        return QStringLiteral("no such key");
    }

    // Sets every stored setting that `key` names.
    void set(const QString& key, const QString& value) {
        TwipsGeometry geometry;
        int found = 0;
        for (const SectionLayout& section : SettingsLayout(session->model, geometry)) {
            for (const SettingField& field : section.fields) {
                if (matches(section.name, field.key, key)) {
                    expect(ReadStoredText(field, value),
                           QStringLiteral("%1 refuses %2").arg(key, value));
                    ++found;
                }
            }
        }
        expect(found > 0, QStringLiteral("no stored setting %1").arg(key));
    }

    void openFromMenu(const QString& item) {
        lastMenu = item;
        expect(session->trigger(item), QStringLiteral("the window has no item %1").arg(item));
        dialog = session->shownDialog();
        expect(dialog, item + QStringLiteral(" opened no dialog"));
    }

    void pick(const QString& name, const QString& label) {
        auto* list = find<QComboBox>(name);
        const int index = list->findText(label);
        expect(index >= 0, QStringLiteral("%1 offers no %2").arg(name, label));
        list->setCurrentIndex(index);
    }

    // The steps that act; false when `verb` is none of them.
    bool act(const QString& verb, const QString& args) {
        const QString name = args.section(u' ', 0, 0);
        const QString rest = args.section(u' ', 1);
        if (verb == "set") {
            set(args.section(u'=', 0, 0), args.section(u'=', 1));
        } else if (verb == "menu") {
            openFromMenu(name);
        } else if (verb == "done" || verb == "cancel") {
            expect(dialog, QStringLiteral("no dialog is open"));
            QTest::keyClick(dialog, verb == "done" ? Qt::Key_Return : Qt::Key_Escape);
        } else if (verb == "generate") {
            expect(session->trigger(QStringLiteral("GenerateWebPages")),
                   QStringLiteral("no button"));
        } else if (verb == "click") {
            find<QAbstractButton>(name)->click();
        } else if (verb == "type") {
            find<QLineEdit>(name)->setText(rest);
        } else if (verb == "keys") {
            find<QLineEdit>(name)->setCursorPosition(rest.section(u' ', 0, 0).toInt());
            QTest::keyClicks(find<QLineEdit>(name), rest.section(u' ', 1));
        } else if (verb == "pick") {
            pick(name, rest);
        } else if (verb == "focus") {
            QFocusEvent tabbedIn(QEvent::FocusIn, Qt::TabFocusReason);
            QApplication::sendEvent(find<QLineEdit>(name), &tabbedIn);
        } else if (verb == "slide") {
            find<QSlider>(QStringLiteral("PanelWidth"))->setValue(args.toInt());
        } else if (verb == "color") {
            session->platform.colorChoices.append(
                args == "none" ? std::nullopt : std::optional<qint32>(args.toInt()));
        } else if (verb == "file") {
            session->platform.fileChoices.append(args);
        } else {
            return false;
        }
        return true;
    }

    // What a frame's caption, a list's entry or a text box shows.
    QString shown(const QString& name) const {
        expect(dialog, QStringLiteral("no dialog is open"));
        if (auto* frame = dialog->findChild<QGroupBox*>(name)) {
            return frame->title();
        }
        if (auto* list = dialog->findChild<QComboBox*>(name)) {
            return list->currentText();
        }
        return find<QLineEdit>(name)->text();
    }

    QString page(const QString& name) const {
        QFile file(dir.filePath(QStringLiteral("site/") + name));
        expect(file.open(QIODevice::ReadOnly), QStringLiteral("no page %1").arg(name));
        return QString::fromLatin1(file.readAll());
    }

    QString chart(const QString& siteName) const {
        for (SiteId site : AllSites) {
            if (Site(site).name == siteName) {
                return addresses()[int(site)];
            }
        }
        throw StepFailed{QStringLiteral("no site %1").arg(siteName)};
    }

    // The steps that check; false when `verb` is none of them.
    bool check(const QString& verb, const QString& args) {
        const QString name = args.section(u' ', 0, 0);
        const QString rest = args.section(u' ', 1);
        if (verb == "on" || verb == "off") {
            expectEqual(yesNo(find<QAbstractButton>(name)->isChecked()), yesNo(verb == "on"));
        } else if (verb == "enabled" || verb == "disabled") {
            expectEqual(yesNo(find<QWidget>(name)->isEnabled()), yesNo(verb == "enabled"));
        } else if (verb == "shows") {
            expectEqual(shown(name), rest);
        } else if (verb == "named") {
            auto* widget = QAccessible::queryAccessibleInterface(find<QWidget>(name));
            expectEqual(widget->text(QAccessible::Name), rest);
        } else if (verb == "caret") {
            auto* field = find<QLineEdit>(name);
            expect(!field->hasSelectedText(), name + QStringLiteral(" has a selection"));
            const int position = rest.isEmpty() ? field->text().size() : rest.toInt();
            expectEqual(QString::number(field->cursorPosition()), QString::number(position));
        } else if (verb == "chart") {
            const QString address = chart(name);
            expect(address.contains(rest), address);
        } else if (verb == "redo") {
            const QStringList before = addresses();
            play(QStringLiteral("menu ") + lastMenu + QStringLiteral("; done; closed"));
            expectEqual(addresses().join(u'\n'), before.join(u'\n'));
        } else if (verb == "has") {
            expectEqual(stored(args.section(u'=', 0, 0)), args.section(u'=', 1));
        } else if (verb == "said") {
            const QString said = session->platform.lastMessage();
            expect(said.startsWith(args), QStringLiteral("said \"%1\"").arg(said));
        } else if (verb == "silent") {
            expect(session->platform.messages.isEmpty(), session->platform.lastMessage());
        } else if (verb == "open" || verb == "closed") {
            expect(dialog, QStringLiteral("no dialog was opened"));
            expectEqual(yesNo(dialog->isVisible()), yesNo(verb == "open"));
        } else if (verb == "proposed") {
            expect(!session->platform.fileProposals.isEmpty(), QStringLiteral("no chooser"));
            expectEqual(session->platform.fileProposals.last(), args);
            expect(session->platform.lastOverwrite == Platform::Overwrite::DontAsk,
                   QStringLiteral("the chooser asks before overwriting"));
        } else if (verb == "nopage") {
            expect(!QFile::exists(dir.filePath(QStringLiteral("site/") + name)), name);
        } else if (verb == "page") {
            expect(page(name).contains(rest), page(name));
        } else {
            return false;
        }
        return true;
    }

    void run(const QString& step) {
        const QString verb = step.section(u' ', 0, 0);
        const QString args = expand(step.section(u' ', 1));
        expect(act(verb, args) || check(verb, args), QStringLiteral("unknown step"));
    }

    // Steps are separated by a semicolon and a blank.
    static QStringList steps(const QString& script) { return script.split(QStringLiteral("; ")); }

    void play(const QString& script) {
        for (const QString& step : steps(script)) {
            run(step);
        }
    }

  private Q_SLOTS:
    void init() {
        session = std::make_unique<WindowSession>(dir.filePath(QStringLiteral("Tickvane.ini")));
        session->window.show();
        QFile file(dir.filePath(QStringLiteral("file")));
        QVERIFY(file.open(QIODevice::WriteOnly));
    }

    void cleanup() {
        dialog = nullptr;
        session.reset();
    }

    // Every line of tests/data/dialogscripts.txt is a row: its name, a tab and its script.
    void scripts_data() {
        QTest::addColumn<int>("line");
        QTest::addColumn<QString>("script");
        QFile file(QStringLiteral(QT_TESTCASE_SOURCEDIR "/data/dialogscripts.txt"));
        QVERIFY(file.open(QIODevice::ReadOnly | QIODevice::Text));
        const QStringList rows = QString::fromUtf8(file.readAll()).split(u'\n');
        for (int i = 0; i < rows.size(); ++i) {
            if (!rows[i].isEmpty()) {
                QTest::newRow(qPrintable(rows[i].section(u'\t', 0, 0)))
                    << i + 1 << rows[i].section(u'\t', 1);
            }
        }
    }

    void scripts() {
        QFETCH(int, line);
        QFETCH(QString, script);
        const QStringList all = steps(script);
        for (int n = 0; n < all.size(); ++n) {
            try {
                run(all[n]);
            } catch (const StepFailed& failed) {
                QFAIL(qPrintable(QStringLiteral("dialogscripts.txt:%1, step %2 \"%3\": %4")
                                     .arg(line)
                                     .arg(n + 1)
                                     .arg(all[n], failed.why)));
            }
        }
    }
};

QTEST_MAIN(OptionDialogsTest)
#include "tst_optiondialogs.moc"

#include "settings/StoreLayout.h"
#include "settings/StoredValue.h"
#include "sites/ChartSite.h"
#include "support/DataRows.h"
#include "support/Files.h"
#include "support/WindowSession.h"
#include "ui/window/StockTree.h"

#include <QAbstractButton>
#include <QAccessible>
#include <QAction>
#include <QApplication>
#include <QComboBox>
#include <QDialog>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QGroupBox>
#include <QLineEdit>
#include <QMap>
#include <QPlainTextEdit>
#include <QSlider>
#include <QTemporaryDir>
#include <QTest>
#include <QTreeWidget>

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

// The names of the message boxes' buttons and answers in the scripts.
const QStringList ButtonSets{"Ok", "OkCancel", "YesNo", "YesNoCancel"};
const QStringList Answers{"Ok", "Cancel", "Yes", "No"};
}  // namespace

// The dialogs, opened from the window's menus and buttons and driven by scripts of steps and
// checks (tests/data/dialogscripts.txt), one word of verb first:
//   set KEY=VALUE (the stored setting, a stock's too, or SettingsChanged)
//   select NODE (in the tree)
//   menu ITEM (or button, opening a dialog)   press ITEM (or button)   done   cancel
//   answer Ok|Cancel|Yes|No (to the next message)   touch FILE   openfails
//   click NAME   type NAME TEXT   keys NAME POSITION TEXT (typed at the caret)   pick LIST TEXT
//   (an entry, or a row by its first column)
//   focus NAME   slide N   color N|none   file PATH
//   on|off|enabled|disabled|focused NAME   shows NAME TEXT (a list's current row: its
//   columns, separated by ", ")   named NAME TEXT (for screen readers)   selected NODE
//   caret NAME [POSITION]   has KEY=VALUE   said TEXT   chart SITE TEXT (in the address of
//   a stock AOL)   redo (opens the last dialog again, Done: no address changes)
//   silent   told TEXT|TEXT... (every message)   asked BUTTONS DEFAULT (the first message)
//   opened FILE|FILE...   treefocus   open   closed   proposed PATH|PATH... (to the choosers)
//   overwrite Ask|DontAsk (the last save chooser)   nodes N (in the tree)   exists|missing FILE
//   page FILE TEXT   forget (the messages so far)   rows LIST TEXT|TEXT... (first column)
//   beeps N (so far)   item NAME TEXT (a menu item of the window; " (disabled)" follows a
//   disabled one)
// A KEY may name its section, "Yahoo:TimePeriod"; $T stands for a scratch folder, $H for the
// home folder. Steps act on the dialog on top, which may have been opened by another. A script
// stops at its first failed step, which the failure names.
class DialogScriptsTest : public QObject {
    Q_OBJECT
  private:
    std::unique_ptr<QTemporaryDir> dir;  // a fresh one for each script
    std::unique_ptr<WindowSession> session;
    QDialog* dialog = nullptr;
    QString lastMenu;

    static bool matches(const QString& section, const QString& name, const QString& key) {
        return key == name || key == section + u':' + name;
    }

    // The chart address of a stock AOL at each site, by the site's name.
    QMap<QString, QString> charts() const {
        QMap<QString, QString> all;
        for (SiteId site : AllSites) {
            all[Site(site).name] =
                ChartSiteFor(site).chartAddress(session->model).forSymbol(QStringLiteral("AOL"));
        }
        return all;
    }

    QString expand(QString text) const {
        return text.replace(QStringLiteral("$T"), dir->path())
            .replace(QStringLiteral("$H"), QDir::homePath());
    }

    // A control of the dialog itself, not of the dialogs it opens; null when there is none.
    template <typename Widget>
    Widget* mine(const QString& name) const {
        expect(dialog, QStringLiteral("no dialog is open"));
        for (Widget* widget : dialog->findChildren<Widget*>(name)) {
            if (widget->window() == dialog) {
                return widget;
            }
        }
        return nullptr;
    }

    template <typename Widget>
    Widget* find(const QString& name) const {
        auto* widget = mine<Widget>(name);
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

    // Sets every stored setting that `key` names, or the changed flag.
    void set(const QString& key, const QString& value) {
        if (key == QLatin1String("SettingsChanged")) {
            session->model.SettingsChanged = value == QLatin1String("True");
            return;
        }
        TwipsGeometry geometry;
        int found = 0;
        const auto setField = [&](const QString& section, const SettingField& field) {
            if (matches(section, field.key, key)) {
                expect(ReadStoredText(field, value),
                       QStringLiteral("%1 refuses %2").arg(key, value));
                ++found;
            }
        };
        for (const SectionLayout& section : SettingsLayout(session->model, geometry)) {
            for (const SettingField& field : section.fields) {
                setField(section.name, field);
            }
        }
        ForEachStockRecordField(session->model.list, [&](const SettingField& field) {
            setField(StockListSectionName, field);
        });
        expect(found > 0, QStringLiteral("no stored setting %1").arg(key));
    }

    // The steps that act; false when `verb` is none of them.
    bool act(const QString& verb, const QString& args) {
        const QString name = args.section(u' ', 0, 0);
        const QString rest = args.section(u' ', 1);
        if (verb == "set") {
            set(args.section(u'=', 0, 0), args.section(u'=', 1));
        } else if (verb == "select") {
            expect(session->select(args), QStringLiteral("no node shows that"));
        } else if (verb == "menu") {
            lastMenu = name;
            expect(session->trigger(name), QStringLiteral("the window has no such item"));
            dialog = session->shownDialog();
            expect(dialog, QStringLiteral("no dialog opened"));
        } else if (verb == "done" || verb == "cancel") {
            expect(dialog, QStringLiteral("no dialog is open"));
            QTest::keyClick(dialog, verb == "done" ? Qt::Key_Return : Qt::Key_Escape);
        } else if (verb == "press") {
            expect(session->trigger(args), QStringLiteral("the window has no such item"));
        } else if (verb == "answer") {
            expect(Answers.contains(args), QStringLiteral("no such answer"));
            session->platform.answers.append(Platform::Answer(Answers.indexOf(args)));
        } else if (verb == "touch") {
            QDir().mkpath(QFileInfo(args).path());
            writeFile(args, {});
        } else if (verb == "forget") {
            session->platform.messages.clear();
        } else if (verb == "openfails") {
            session->platform.openSucceeds = false;
        } else if (verb == "click") {
            find<QAbstractButton>(name)->click();
        } else if (verb == "type") {
            if (auto* list = mine<QComboBox>(name)) {
                list->setEditText(rest);  // an editable list
            } else {
                find<QLineEdit>(name)->setText(rest);
            }
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

    // Chooses the entry or row that shows `text` first.
    void pick(const QString& name, const QString& text) {
        if (auto* rows = mine<QTreeWidget>(name)) {
            const auto found = rows->findItems(text, Qt::MatchExactly);
            expect(!found.isEmpty(), QStringLiteral("the list has no such row"));
            rows->setCurrentItem(found[0]);
            return;
        }
        auto* list = find<QComboBox>(name);
        expect(list->findText(text) >= 0, QStringLiteral("the list offers no such entry"));
        list->setCurrentIndex(list->findText(text));
    }

    // What a frame's caption, a list's entry, a text box, a text area's first line or the
    // columns of a list's current row show.
    QString shown(const QString& name) const {
        if (auto* frame = mine<QGroupBox>(name)) {
            return frame->title();
        }
        if (auto* area = mine<QPlainTextEdit>(name)) {
            return area->toPlainText().section(u'\n', 0, 0);
        }
        if (auto* list = mine<QComboBox>(name)) {
            return list->currentText();
        }
        if (auto* rows = mine<QTreeWidget>(name)) {
            const QTreeWidgetItem* row = rows->currentItem();
            QStringList columns;
            for (int column = 0; row && column < row->columnCount(); ++column) {
                columns << row->text(column);
            }
            return columns.join(QStringLiteral(", "));
        }
        return find<QLineEdit>(name)->text();
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
        } else if (verb == "focused") {
            const QWidget* focused = find<QWidget>(name)->window()->focusWidget();
            expectEqual(focused ? focused->objectName() : QString(), name);
        } else if (verb == "selected") {
            const QTreeWidgetItem* item = session->window.tree().currentItem();
            expectEqual(item ? item->text(0) : QString(), args);
        } else if (verb == "named") {
            auto* widget = QAccessible::queryAccessibleInterface(find<QWidget>(name));
            expectEqual(widget->text(QAccessible::Name), rest);
        } else if (verb == "caret") {
            auto* field = find<QLineEdit>(name);
            expect(!field->hasSelectedText(), name + QStringLiteral(" has a selection"));
            const int position = rest.isEmpty() ? field->text().size() : rest.toInt();
            expectEqual(QString::number(field->cursorPosition()), QString::number(position));
        } else if (verb == "chart") {
            expect(charts().value(name).contains(rest), charts().value(name));
        } else if (verb == "redo") {
            const QMap<QString, QString> before = charts();
            play(QStringLiteral("menu ") + lastMenu + QStringLiteral("; done; closed"));
            expect(charts() == before, QStringLiteral("an address changed"));
        } else if (verb == "has") {
            expectEqual(stored(args.section(u'=', 0, 0)), args.section(u'=', 1));
        } else if (verb == "said") {
            const QString said = session->platform.lastMessage();
            expect(said.startsWith(args), QStringLiteral("said \"%1\"").arg(said));
        } else if (verb == "told") {
            QStringList texts;
            for (const FakePlatform::Shown& shown : session->platform.messages) {
                texts << shown.text;
            }
            expectEqual(texts.join(u'|'), args);
        } else if (verb == "asked") {
            expect(!session->platform.messages.isEmpty(), QStringLiteral("nothing was asked"));
            const FakePlatform::Shown& first = session->platform.messages[0];
            expectEqual(ButtonSets[int(first.buttons)] + u' ' + Answers[int(first.defaultButton)],
                        args);
        } else if (verb == "opened") {
            expectEqual(session->platform.opened.join(u'|'), args);
        } else if (verb == "treefocus") {
            expect(QTest::qWaitFor([this] { return session->window.tree().hasFocus(); }),
                   QStringLiteral("the tree has not the focus"));
        } else if (verb == "silent") {
            expect(session->platform.messages.isEmpty(), session->platform.lastMessage());
        } else if (verb == "open" || verb == "closed") {
            expect(dialog, QStringLiteral("no dialog was opened"));
            expectEqual(yesNo(dialog->isVisible()), yesNo(verb == "open"));
        } else if (verb == "proposed") {
            expectEqual(session->platform.fileProposals.join(u'|'), args);
        } else if (verb == "overwrite") {
            const bool asks = session->platform.lastOverwrite == Platform::Overwrite::Ask;
            expectEqual(asks ? QStringLiteral("Ask") : QStringLiteral("DontAsk"), args);
        } else if (verb == "rows") {
            QStringList rows;
            for (int row = 0; row < find<QTreeWidget>(name)->topLevelItemCount(); ++row) {
                rows << find<QTreeWidget>(name)->topLevelItem(row)->text(0);
            }
            expectEqual(rows.join(u'|'), rest);
        } else if (verb == "beeps") {
            expectEqual(QString::number(session->platform.beeps), args);
        } else if (verb == "nodes") {
            expectEqual(QString::number(session->window.tree()
                                            .findItems(QStringLiteral("*"),
                                                       Qt::MatchWildcard | Qt::MatchRecursive)
                                            .size()),
                        args);
        } else if (verb == "exists" || verb == "missing") {
            expectEqual(QFile::exists(args) ? QStringLiteral("exists") : QStringLiteral("missing"),
                        verb);
        } else if (verb == "item") {
            const auto* item = session->window.findChild<QAction*>(name);
            expect(item, QStringLiteral("the window has no such item"));
            expectEqual(item->text() + (item->isEnabled() ? "" : " (disabled)"), rest);
        } else if (verb == "page") {
            const QByteArray page = readFile(name);
            expect(page.contains(rest.toLatin1()), QString::fromLatin1(page));
        } else {
            return false;
        }
        return true;
    }

    void run(const QString& step) {
        // A step acts on the dialog on top: one opened from another takes its place until it
        // closes.
        if (auto* top = qobject_cast<QDialog*>(QApplication::activeModalWidget())) {
            dialog = top;
        }
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
        dir = std::make_unique<QTemporaryDir>();
        session = std::make_unique<WindowSession>(dir->filePath(QStringLiteral("Tickvane.ini")));
        session->window.show();
        QVERIFY(QTest::qWaitForWindowActive(&session->window));
        QFile file(dir->filePath(QStringLiteral("file")));
        QVERIFY(file.open(QIODevice::WriteOnly));
    }

    void cleanup() {
        dialog = nullptr;
        session.reset();
    }

    void scripts_data() { AddDataRows(QStringLiteral("dialogscripts.txt")); }

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

QTEST_MAIN(DialogScriptsTest)
#include "tst_dialogscripts.moc"

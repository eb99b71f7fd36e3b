#include "model/Limits.h"
#include "support/EditingHarness.h"
#include "support/Files.h"
#include "support/TestSeed.h"
#include "support/WindowSession.h"
#include "ui/kit/FixedDialog.h"
#include "ui/window/StockTree.h"

#include <QComboBox>
#include <QLineEdit>
#include <QRandomGenerator>
#include <QTemporaryDir>
#include <QTest>
#include <algorithm>
#include <optional>

namespace {
// The window's items and buttons by name, and "Drop"; moves, drops and undo come twice as often.
const QStringList Commands{
    "AddStock", "AddType",           "Edit",       "Delete",       "MoveUp",      "MoveDown",
    "MoveUp",   "MoveDown",          "ChangeType", "SortBySymbol", "PasteStocks", "Drop",
    "Drop",     "SortByDescription", "Undo",       "Redo",         "Undo",        "SaveSettings"};

// One step of a session: a command and the random numbers that choose its node and the type it
// picks (or where a drop lands, or how many stocks are pasted), read against the list as it is
// when the step runs, so that any step can be left out. A step that has run keeps the nodes it
// chose, which it takes again as long as they are there; what it names is named by its number.
struct Op {
    QString command;
    quint32 node;
    quint32 type;
    int number;
    QString at, to;
    std::optional<QString> onto;  // empty: the space below the list
};

struct RefType {
    QString name;
    QStringList stocks;
    bool operator==(const RefType&) const = default;
};
using List = QList<RefType>;

QString Describe(const List& list) {
    QStringList types;
    for (const RefType& type : list) {
        types << type.name + u':' + type.stocks.join(u',');
    }
    return types.join(u'|');
}

// The window as the user should see it, kept by the rules of the commands: the list, the
// selected node, whether leaving asks to save, and the history of undoable steps.
struct Reference {
    struct Step {
        List before, after;
        QString selectedUndone, selectedDone;
    };
    List list;
    QString selected;
    bool changed = false;
    QList<Step> steps;
    int index = 0;               // steps done
    int clean = 0;               // steps done when last saved; -1: no longer reachable
    bool changedBeside = false;  // a change that no undo takes back (a refused move)

    QStringList nodes() const {
        QStringList all;
        for (const RefType& type : list) {
            all << type.name << type.stocks;
        }
        return all;
    }
    int stockCount() const {
        int count = 0;
        for (const RefType& type : list) {
            count += int(type.stocks.size());
        }
        return count;
    }
    // The type and the place in it of the node showing `text`; place -1 for a type.
    std::pair<int, int> find(const QString& text) const {
        for (int t = 0; t < list.size(); ++t) {
            if (list[t].name == text) {
                return {t, -1};
            }
            if (const auto s = list[t].stocks.indexOf(text); s >= 0) {
                return {t, int(s)};
            }
        }
        return {-1, -1};
    }
    // What a removed stock leaves selected: the stock above, else the one below, else its type.
    static QString besideRemoved(const RefType& type, int s) {
        return s > 0 ? type.stocks[s - 1] : type.stocks.size() > 1 ? type.stocks[1] : type.name;
    }
    void push(const List& after, const QString& done, const QString& undone) {
        clean = clean > index ? -1 : clean;
        steps.resize(index);
        steps.append({list, after, undone, done});
        ++index;
        list = after;
        selected = done;
        changed = true;
    }
    void settle() { changed = changedBeside || index != clean; }
};

// `text` from a little before where it first differs from `other`.
QString Near(const QString& text, const QString& other) {
    const auto from = std::mismatch(text.begin(), text.end(), other.begin(), other.end()).first;
    const qsizetype at = qMax(qsizetype(0), (from - text.begin()) - 40);
    return (at > 0 ? QStringLiteral("…") : QString()) + text.mid(at, 120);
}

// Stocks are named by numbers of six digits, which sort the same as text and by value.
QString StockName(int number) {
    return QStringLiteral("s%1").arg(number, 6, 10, QLatin1Char('0'));
}

class Runner {
  public:
    explicit Runner(const List& start) : start_(start) {}

    // Replays `ops` on a fresh window; empty when the window agreed with the reference after
    // every step, else what differed. `log` gets each step with the node it acted on.
    // `resolved` gets the steps run, with the nodes they chose.
    QString replay(const QList<Op>& ops, QStringList* log, QList<Op>* resolved = nullptr) const {
        QTemporaryDir dir;
        const QString store = dir.filePath(QStringLiteral("Tickvane.ini"));
        writeFile(store, storeText());
        WindowSession session(store);
        Reference ref;
        ref.list = start_;
        ref.selected = start_.isEmpty() ? QString() : start_[0].name;  // as the window opens
        for (Op op : ops) {
            *log << run(session, ref, op);
            if (resolved) {
                resolved->append(op);
            }
            QString selected;
            const QTreeWidgetItem* item = session.window.tree().currentItem();
            if (item && item->isSelected()) {
                selected = item->text(0);
            }
            const QString list = DescribeList(session.model.list);
            if (session.shownDialog()) {
                return QStringLiteral("a dialog stayed open");
            }
            if (const QString expected = Describe(ref.list); list != expected) {
                return QStringLiteral("list %1, expected %2")
                    .arg(Near(list, expected), Near(expected, list));
            }
            if (selected != ref.selected) {
                return QStringLiteral("selected \"%1\", expected \"%2\"")
                    .arg(selected, ref.selected);
            }
            if (session.model.SettingsChanged != ref.changed) {
                return QStringLiteral("the exit question %1 asks")
                    .arg(ref.changed ? "no longer" : "now");
            }
        }
        return {};
    }

  private:
    QByteArray storeText() const {
        QString text = QStringLiteral("[StockList]\nMaxtypes=%1\n").arg(start_.size() - 1);
        int s = 0;
        QString stocks;
        for (int t = 0; t < start_.size(); ++t) {
            text += QStringLiteral("Type%1=%2\nLowstock%1=%3\n").arg(t).arg(start_[t].name).arg(s);
            for (const QString& stock : start_[t].stocks) {
                stocks += QStringLiteral("Stock%1=%2\nDescription%1=%3\n")
                              .arg(s++)
                              .arg(stock.toUpper(), stock);
            }
            text += QStringLiteral("Histock%1=%2\n").arg(t).arg(s - 1);
        }
        return (text + QStringLiteral("Maxstocks=%1\n").arg(s - 1) + stocks).toUtf8();
    }

    // Runs `op` in the window and in `ref`; returns the step as the log shows it.
    static QString run(WindowSession& session, Reference& ref, Op& op) {
        const QStringList nodes = ref.nodes();
        const bool listCommand = !QStringList{"Undo", "Redo", "SaveSettings"}.contains(op.command);
        if (listCommand && !nodes.isEmpty()) {
            ref.selected = nodes.contains(op.at) ? op.at : nodes[int(op.node % nodes.size())];
            op.at = ref.selected;
            session.select(ref.selected);
        }
        QString shown =
            op.command +
            (listCommand ? (op.command == "Drop" ? QStringLiteral(" ") : QStringLiteral(" on ")) +
                               ref.selected
                         : QString());
        const bool idle = (op.command == "Undo" && ref.index == 0) ||
                          (op.command == "Redo" && ref.index == ref.steps.size());
        if (!idle && ref.changed && ref.index == ref.clean) {
            ref.changedBeside = true;  // every command starts by noting what no undo reverts
        }
        const auto [t, s] = ref.find(ref.selected);
        const bool typeName = op.command == "AddType" || (op.command == "Edit" && s < 0);
        const int number = 100000 + 2 * op.number;
        const QString name = typeName ? QStringLiteral("t%1").arg(number) : StockName(number);
        const int to = op.command == "ChangeType" && s >= 0 ? targetType(ref, op, t) : -1;
        shown += to >= 0 ? QStringLiteral(" to ") + ref.list[to].name : QString();
        if (idle || (op.command == "PasteStocks" && t < 0)) {
            return shown + QStringLiteral(" (nothing to take)");
        }
        QStringList pasted;
        for (quint32 n = 0; op.command == "PasteStocks" && n <= op.type % 2; ++n) {
            pasted << StockName(number + int(n)).toUpper();
        }
        session.platform.clipboard = {{}, pasted.join(u' ')};
        shown += pasted.isEmpty() ? QString() : u' ' + pasted.join(u',');
        if (op.command == "Drop") {
            return shown + drop(session, ref, op);
        }
        session.trigger(op.command);
        if (auto* dialog = qobject_cast<FixedDialog*>(session.shownDialog())) {
            shown += to < 0 && pasted.isEmpty() ? QStringLiteral(" as ") + name : QString();
            answer(*dialog, name, to);
        }
        if (!pasted.isEmpty()) {
            paste(ref, t, pasted);
        }
        expect(ref, op.command, t, s, name, to);
        return shown;
    }

    // The type other than `t` that a change of type picks, the one picked before if it is
    // still there; -1 when there is no other type.
    static int targetType(const Reference& ref, Op& op, int t) {
        if (ref.list.size() < 2) {
            return -1;
        }
        const auto named = std::find_if(ref.list.begin(), ref.list.end(),
                                        [&op](const RefType& type) { return type.name == op.to; });
        int to = int(named - ref.list.begin());
        if (named == ref.list.end() || to == t) {
            to = int(op.type % (ref.list.size() - 1));
            to += to >= t ? 1 : 0;
        }
        op.to = ref.list[to].name;
        return to;
    }

    // Drops the selected node on another node, or below the list, with the mouse; returns
    // where. A stock dropped on a stock takes its place, on a type goes to its end; a type
    // dropped takes the place of the type it lands on, or goes last. A drop that would leave
    // everything where it is, or put a type among its own stocks, is refused.
    static QString drop(WindowSession& session, Reference& ref, Op& op) {
        const QStringList nodes = ref.nodes();
        const qsizetype k = op.type % (nodes.size() + 1);
        const QString onto = op.onto && (op.onto->isEmpty() || nodes.contains(*op.onto)) ? *op.onto
                             : k < nodes.size()                                          ? nodes[k]
                                                : QString();
        op.onto = onto;
        StockTree& tree = session.window.tree();
        const auto item = [&tree](const QString& text) {
            return text.isEmpty() ? nullptr
                                  : tree.findItems(text, Qt::MatchExactly | Qt::MatchRecursive)[0];
        };
        DropNode(tree, item(ref.selected), item(onto), -1);
        const auto [t, s] = ref.find(ref.selected);
        const auto [u, v] = ref.find(onto);
        List after = ref.list;
        if (s >= 0 && u >= 0 && onto != ref.selected &&
            (u != t || v >= 0 || s + 1 < after[t].stocks.size())) {
            after[t].stocks.removeAt(s);
            after[u].stocks.insert(v < 0 ? after[u].stocks.size() : v, ref.selected);
        } else if (s < 0 && (u < 0 ? t + 1 < after.size() : u != t)) {
            after.move(t, u < 0 ? after.size() - 1 : u);
        }
        if (after != ref.list) {
            ref.push(after, ref.selected, ref.selected);
        }
        return QStringLiteral(" on ") + (onto.isEmpty() ? QStringLiteral("the space below") : onto);
    }

    // Stocks from the clipboard go to the end of the selected node's type, the first of them
    // selected, all or none: the list holds at most StockCapacity, and a refused list leaves
    // its preview open and changes nothing. Undo selects the type.
    static void paste(Reference& ref, int t, const QStringList& pasted) {
        if (ref.stockCount() + pasted.size() > StockCapacity) {
            return;
        }
        List after = ref.list;
        after[t].stocks << pasted;
        ref.push(after, pasted[0], ref.list[t].name);
    }

    // Answers the dialog the command opened with `name`, or the type `to`, and Done.
    static void answer(FixedDialog& dialog, const QString& name, int to) {
        if (auto* header = dialog.findChild<QLineEdit*>(QStringLiteral("Header"))) {
            header->setText(name);
        }
        if (auto* types = dialog.findChild<QComboBox*>(QStringLiteral("TypeChanger"))) {
            if (to < 0) {
                dialog.reject();  // no other type to move to
                return;
            }
            types->setCurrentIndex(to);
        }
        if (auto* symbol = dialog.findChild<QLineEdit*>(QStringLiteral("SymbDef"))) {
            symbol->setText(name.toUpper());
            dialog.findChild<QLineEdit*>(QStringLiteral("Descrip"))->setText(name);
        }
        dialog.Done_Click();
        if (dialog.isVisible()) {
            dialog.reject();  // a list refused in its preview
        }
    }

    // What the command does to the reference, on type t and stock s (-1: the type itself).
    static void expect(Reference& ref, const QString& command, int t, int s, const QString& name,
                       int to) {
        List after = ref.list;
        if (command == "PasteStocks") {
            return;  // paste() has done it
        }
        if (command == "Undo" || command == "Redo") {
            const bool undo = command == "Undo";
            if (undo ? ref.index > 0 : ref.index < ref.steps.size()) {
                const Reference::Step& step = ref.steps[undo ? --ref.index : ref.index++];
                ref.list = undo ? step.before : step.after;
                ref.selected = undo ? step.selectedUndone : step.selectedDone;
                ref.settle();
            }
        } else if (command == "SaveSettings") {
            ref.steps.clear();
            ref.index = ref.clean = 0;
            ref.changedBeside = ref.changed = false;
        } else if (command == "AddType") {
            if (ref.list.size() < TypeAddLimit) {
                after.append({name, {}});
                ref.push(after, name, ref.list.isEmpty() ? QString() : ref.list.last().name);
            }
        } else if (t < 0) {
            return;  // no types: the other commands find nothing to act on
        } else if (command == "AddStock") {
            if (ref.stockCount() < StockAddLimit) {
                after[t].stocks.insert(s + 1, name);  // below the stock, or first in the type
                ref.push(after, name, Reference::besideRemoved(after[t], s + 1));
            }
        } else if (command == "Edit") {
            (s < 0 ? after[t].name : after[t].stocks[s]) = name;
            ref.push(after, name, ref.selected);
        } else if (command == "Delete") {
            if (s >= 0) {
                after[t].stocks.removeAt(s);
                ref.push(after, Reference::besideRemoved(ref.list[t], s), ref.selected);
            } else if (ref.list[t].stocks.isEmpty()) {
                after.removeAt(t);
                ref.push(after, t > 0 ? after[t - 1].name : QString(), ref.selected);
            }
        } else if (command.startsWith(QLatin1String("Move"))) {
            const int by = command == "MoveUp" ? -1 : 1;
            const int size = int(s < 0 ? ref.list.size() : ref.list[t].stocks.size());
            const int from = s < 0 ? t : s;
            if (from + by < 0 || from + by >= size) {
                ref.changed = true;  // refused, yet marked as a change
                return;
            }
            s < 0 ? after.swapItemsAt(t, t + by) : after[t].stocks.swapItemsAt(s, s + by);
            ref.push(after, ref.selected, ref.selected);
        } else if (command == "ChangeType") {
            if (to >= 0) {
                after[to].stocks.append(after[t].stocks.takeAt(s));
                ref.push(after, ref.selected, ref.selected);
            }
        } else {
            std::stable_sort(after[t].stocks.begin(), after[t].stocks.end(),
                             [](const QString& a, const QString& b) {
                                 return a.compare(b, Qt::CaseInsensitive) < 0;
                             });
            if (after[t].stocks != ref.list[t].stocks) {
                ref.push(after, after[t].name, after[t].name);
            }
        }
    }

    List start_;
};

// The steps of `ops` that still fail without the others, by dropping one step at a time.
QList<Op> Shrink(const Runner& runner, QList<Op> ops) {
    for (bool dropped = true; dropped;) {
        dropped = false;
        for (qsizetype i = ops.size() - 1; i >= 0; --i) {
            QList<Op> fewer = ops;
            fewer.removeAt(i);
            QStringList log;
            if (!runner.replay(fewer, &log).isEmpty()) {
                ops = fewer;
                dropped = true;
            }
        }
    }
    return ops;
}
}  // namespace

// Random sessions of the editing commands through the window's buttons, menus and mouse drops,
// with undo, redo and save between them, against a reference kept by the commands' rules: after
// every step the list, the selected node and whether leaving asks to save must agree. A failing
// session is cut down to the fewest steps that still fail and printed with its seed.
// TICKVANE_SEED chooses the first seed, TICKVANE_SESSIONS how many sessions each row runs.
class EditModelTest : public QObject {
    Q_OBJECT
  private Q_SLOTS:
    void sessions_data() {
        QTest::addColumn<int>("types");
        QTest::addColumn<int>("stocks");
        QTest::addColumn<int>("sessions");
        QTest::addColumn<int>("steps");
        QTest::newRow("a few stocks, down to no types") << 2 << 3 << 30 << 40;
        QTest::newRow("one full type") << 1 << int(StockAddLimit) << 1 << 30;
        QTest::newRow("100 types, 1000 stocks")
            << int(TypeAddLimit) << int(StockAddLimit) << 1 << 30;
        QTest::newRow("101 types, 1001 stocks")
            << int(TypeCapacity) << int(StockCapacity) << 1 << 30;
    }

    void sessions() {
        QFETCH(int, types);
        QFETCH(int, stocks);
        QFETCH(int, sessions);
        QFETCH(int, steps);
        sessions = qEnvironmentVariableIntValue("TICKVANE_SESSIONS") > 0
                       ? qEnvironmentVariableIntValue("TICKVANE_SESSIONS")
                       : sessions;
        List start;
        for (int t = 0; t < types; ++t) {
            start.append({QStringLiteral("t%1").arg(t), {}});
        }
        for (int s = 0; s < stocks; ++s) {
            start[qMin(s * types / stocks, types - 1)].stocks << StockName(s);
        }
        const Runner runner(start);
        const quint32 first = TestSeed();
        for (quint32 seed = first; seed < first + quint32(sessions); ++seed) {
            QRandomGenerator random(seed);
            QList<Op> ops;
            for (int step = 0; step < steps; ++step) {
                ops.append({Commands[random.bounded(int(Commands.size()))],
                            random.generate(),
                            random.generate(),
                            step,
                            {},
                            {},
                            {}});
            }
            QStringList log;
            QList<Op> resolved;
            if (runner.replay(ops, &log, &resolved).isEmpty()) {
                continue;
            }
            const QList<Op> fewest = Shrink(runner, resolved);
            log.clear();
            const QString problem = runner.replay(fewest, &log);
            QFAIL(qPrintable(QStringLiteral("seed %1, steps: %2: %3")
                                 .arg(seed)
                                 .arg(log.join(QStringLiteral("; ")), problem)));
        }
    }
};

QTEST_MAIN(EditModelTest)
#include "tst_editmodel.moc"

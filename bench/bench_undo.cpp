// Undo beside the command: on a type of 1000 stocks, the time of undoing a step beside the
// time of the command that made it, both through the window (its button, menu item or drop,
// and its Undo item; the tree refilled each way): Delete of the type's first stock (the 999
// others move), sorting the type by description, and dropping the type below the others.
// Then the memory the history holds: 1000 steps of mixed editing on a full list (100 types,
// 1001 stocks), 1000 sorts of a type of 1000 stocks, and one import of a full list, each the
// growth of the heap (glibc's mallinfo2) while the steps are made.

#include "model/StockListOps.h"
#include "model/StockOrder.h"
#include "settings/Storage.h"
#include "ui/platform/QtPlatform.h"
#include "ui/undo/UndoSteps.h"
#include "ui/window/MainWindow.h"
#include "ui/window/StockTree.h"

#include <malloc.h>
#include <QAction>
#include <QApplication>
#include <QElapsedTimer>
#include <QMimeData>
#include <QPushButton>
#include <QRandomGenerator>
#include <QTemporaryDir>
#include <algorithm>
#include <cstdio>
#include <functional>
#include <memory>
#include <vector>

namespace {
constexpr int rounds = 15;

StockRecord numbered(int n) {
    StockRecord stock;
    stock.Stock = QStringLiteral("S%1").arg(n);
    stock.Description = QStringLiteral("Company %1, Inc.").arg(n, 4, 10, QLatin1Char('0'));
    stock.URL = QStringLiteral("https://example.com/%1").arg(n);
    return stock;
}

// Type 0 holds `big` stocks numbered downwards; `small` more types hold `each` stocks.
void fill(Model& model, int big, int small, int each) {
    model.list = StockList{};
    AppendType(model, QStringLiteral("Big"));
    for (int n = big; n > 0; --n) {
        Add_Stock(model, 0, numbered(n));
    }
    for (int t = 1; t <= small; ++t) {
        AppendType(model, QStringLiteral("Type %1").arg(t));
        for (int n = 0; n < each; ++n) {
            Add_Stock(model, qint16(t), numbered(big + t * each + n));
        }
    }
}

double medianMs(std::vector<qint64> values) {
    std::sort(values.begin(), values.end());
    return double(values[values.size() / 2]) / 1e6;
}

qint64 nanoseconds(const std::function<void()>& work) {
    QElapsedTimer timer;
    timer.start();
    work();
    return timer.nsecsElapsed();
}

// Runs `command` and the window's Undo in turns; prints both medians and their ratio.
double undoBesideCommand(const char* what, MainWindow& window,
                         const std::function<void()>& command) {
    auto* undo = window.findChild<QAction*>(QStringLiteral("Undo"));
    std::vector<qint64> made;
    std::vector<qint64> undone;
    for (int round = 0; round < rounds; ++round) {
        made.push_back(nanoseconds(command));
        undone.push_back(nanoseconds([undo] { undo->trigger(); }));
    }
    const double ratio = medianMs(undone) / medianMs(made);
    std::printf("%s: command %.2f ms, undo %.2f ms, ratio %.2f\n", what, medianMs(made),
                medianMs(undone), ratio);
    return ratio;
}

double timings(Model& model, MainWindow& window) {
    StockTree& tree = window.tree();
    fill(model, 1000, 3, 0);
    tree.Fill_tree(-1, 0);
    const double deleting = undoBesideCommand("Delete of the first of 1000 stocks", window, [&] {
        window.findChild<QPushButton*>(QStringLiteral("Delete"))->click();
    });
    tree.Fill_tree(0, -1);
    const double sorting = undoBesideCommand("sort of 1000 stocks by description", window, [&] {
        window.findChild<QAction*>(QStringLiteral("SortByDescription"))->trigger();
    });
    const double dropping =
        undoBesideCommand("drop of a type of 1000 stocks below the others", window, [&] {
            QAbstractItemModel& nodes = *tree.model();
            const std::unique_ptr<QMimeData> data(nodes.mimeData({nodes.index(0, 0)}));
            nodes.dropMimeData(data.get(), Qt::MoveAction, 4, 0, {});
        });
    return std::max({deleting, sorting, dropping});
}

// The heap the history holds after `steps` made by `make`, in MB.
double heldBy(Model& model, StockTree& tree, int steps,
              const std::function<Step(Model&, StockTree&, int)>& make) {
    QtPlatform platform;
    CommandGuard guard(platform);
    auto history = std::make_unique<UndoHistory>(model, guard);
    const size_t before = mallinfo2().uordblks;
    for (int n = 0; n < steps; ++n) {
        history->push(make(model, tree, n));
    }
    return double(mallinfo2().uordblks - before) / (1024.0 * 1024.0);
}

// One step of mixed editing that keeps the list full.
Step mixedStep(Model& model, StockTree& tree, QRandomGenerator& random, int n) {
    const StockList& list = model.list;
    const auto stock = qint16(random.bounded(list.stockCount()));
    const auto type = qint16(random.bounded(list.typeCount()));
    const TypeRecord& range = list.types[type];
    switch (random.bounded(6)) {
        case 0:
            return EditStockStep(model, tree, stock, numbered(100000 + n));
        case 1:
            return RenameTypeStep(model, tree, type, QStringLiteral("Renamed %1").arg(n));
        case 2:
            return MoveStockStep(model, tree, QStringLiteral("Move"), stock, type,
                                 qint16(random.bounded(range.Histock - range.Lowstock + 1)));
        case 3:
            return MoveTypeStep(model, tree, QStringLiteral("Move"), type,
                                qint16(random.bounded(list.typeCount())));
        case 4:
            return SortStep(model, tree, QStringLiteral("Sort"), type,
                            SortedOrder(list, type, SortKey::Symbol));
        default:
            return list.stockCount() == StockCapacity
                       ? DeleteStockStep(model, tree, stock)
                       : AddStockStep(model, tree, range.Histock + 1, type, numbered(200000 + n));
    }
}

double memory(Model& model, StockTree& tree) {
    fill(model, 11, 99, 10);  // 100 types, 1001 stocks
    tree.Fill_tree(0, -1);
    QRandomGenerator random(7);
    const double mixed = heldBy(model, tree, 1000, [&random](Model& m, StockTree& t, int n) {
        return mixedStep(m, t, random, n);
    });
    std::printf("1000 steps of mixed editing on a full list: %.1f MB\n", mixed);
    fill(model, 1000, 0, 0);
    tree.Fill_tree(0, -1);
    const double sorts = heldBy(model, tree, 1000, [](Model& m, StockTree& t, int n) {
        return SortStep(m, t, QStringLiteral("Sort"), 0,
                        SortedOrder(m.list, 0, n % 2 ? SortKey::Symbol : SortKey::Description));
    });
    std::printf("1000 sorts of a type of 1000 stocks: %.1f MB\n", sorts);
    fill(model, 11, 99, 10);
    tree.Fill_tree(0, -1);
    const double import = heldBy(model, tree, 1, [](Model& m, StockTree& t, int) {
        Model imported;
        fill(imported, 11, 99, 10);
        return ImportStep(m, t, std::move(imported.list));
    });
    std::printf("one import of a full list: %.0f KB\n", import * 1024);
    return std::max(mixed, sorts);
}
}  // namespace

int main(int argc, char** argv) {
    QApplication app(argc, argv);
    QTemporaryDir dir;
    Model model;
    const Storage storage(dir.filePath(QStringLiteral("Tickvane.ini")));
    QtPlatform platform;
    MainWindow window(model, storage, platform);
    const double ratio = timings(model, window);
    const double megabytes = memory(model, window.tree());
    return ratio <= 1.5 && megabytes < 20 ? 0 : 1;
}

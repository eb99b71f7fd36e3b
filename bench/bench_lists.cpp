// Lists in: how long the preview takes to open on a 1000-row list once the file is read (the
// work of filling, planning and painting it, the first open included), and, given the program
// (bench_lists path/to/tickvane), `tickvane --add-list` of that list into an empty list beside
// its floor: the same program's --version, reading the file and writing the same store bytes
// durably. Runs alternate and repeat; medians are compared.

#include "listfiles/ListReader.h"
#include "model/Model.h"
#include "ui/kit/CommandGuard.h"
#include "ui/lists/ListPreview.h"
#include "ui/platform/QtPlatform.h"
#include "ui/undo/UndoHistory.h"
#include "ui/window/StockTree.h"

#include <unistd.h>
#include <QApplication>
#include <QElapsedTimer>
#include <QFile>
#include <QProcess>
#include <QSaveFile>
#include <QTemporaryDir>
#include <algorithm>
#include <cstdio>
#include <functional>
#include <vector>

namespace {
constexpr int rounds = 15;

QByteArray thousandRows() {
    QByteArray csv = "Symbol,Name,Sector,URL\r\n";
    for (int i = 0; i < 1000; ++i) {
        csv += QStringLiteral("S%1,\"Company %1, Inc.\",Sector %2,https://example.com/%1\r\n")
                   .arg(i)
                   .arg(i / 10)
                   .toUtf8();
    }
    return csv;
}

qint64 nanoseconds(const std::function<void()>& work) {
    QElapsedTimer timer;
    timer.start();
    work();
    return timer.nsecsElapsed();
}

double medianMs(std::vector<qint64> values) {
    std::sort(values.begin(), values.end());
    return double(values[values.size() / 2]) / 1e6;
}

void run(const QString& program, const QStringList& arguments) {
    QProcess process;
    process.start(program, arguments);
    process.waitForFinished(-1);
}

void writeDurably(const QString& path, const QByteArray& bytes) {
    QSaveFile file(path);
    file.open(QIODevice::WriteOnly);
    file.write(bytes);
    file.flush();
    ::fdatasync(file.handle());
    file.commit();
}

// The preview of the rows read over the starter list, from the rows in hand to the painted
// dialog.
void timePreview(const ListReading& reading) {
    Model model;
    ApplyDefaults(model, QString());
    DefaultStockList(model);
    QtPlatform platform;
    StockTree tree(model);
    CommandGuard guard(platform);
    UndoHistory history(model, guard);
    tree.Fill_tree(0, -1);
    // The window is on screen before any preview opens: its fonts and style are loaded.
    tree.grab();
    ListPreview* preview = nullptr;
    const qint64 first = nanoseconds([&] {
        preview = new ListPreview(model, tree, platform, history, &tree);
        preview->List_init(reading, QStringLiteral("Listed"));
        preview->grab();
    });
    std::vector<qint64> again;
    for (int round = 0; round < rounds; ++round) {
        again.push_back(nanoseconds([&] {
            preview->List_init(reading, QStringLiteral("Listed"));
            preview->grab();
        }));
    }
    std::printf("preview of %zu rows: first open %.1f ms, again %.1f ms (median)\n",
                reading.rows.size(), double(first) / 1e6, medianMs(again));
}
}  // namespace

int main(int argc, char** argv) {
    QApplication app(argc, argv);
    QTemporaryDir dir;
    const QByteArray csv = thousandRows();
    timePreview(ReadList(csv));
    if (argc < 2) {
        return 0;
    }
    const QString program = QString::fromLocal8Bit(argv[1]);
    const QString listFile = dir.filePath(QStringLiteral("list.csv"));
    const QString store = dir.filePath(QStringLiteral("store.ini"));
    {
        QFile file(listFile);
        file.open(QIODevice::WriteOnly);
        file.write(csv);
    }
    const QStringList addList{QStringLiteral("--settings"), store, QStringLiteral("--add-list"),
                              listFile};
    run(program, addList);
    QFile written(store);
    written.open(QIODevice::ReadOnly);
    const QByteArray storeBytes = written.readAll();
    std::vector<qint64> ours;
    std::vector<qint64> floor;
    for (int round = 0; round < rounds; ++round) {
        QFile::remove(store);
        ours.push_back(nanoseconds([&] { run(program, addList); }));
        floor.push_back(nanoseconds([&] {
            run(program, {QStringLiteral("--version")});
            QFile list(listFile);
            list.open(QIODevice::ReadOnly);
            list.readAll();
            writeDurably(dir.filePath(QStringLiteral("floor.ini")), storeBytes);
        }));
    }
    const double ratio = medianMs(ours) / medianMs(floor);
    std::printf(
        "--add-list of 1000 rows into an empty list (%lld store bytes): %.1f ms, floor "
        "%.1f ms, ratio %.2f\n",
        qlonglong(storeBytes.size()), medianMs(ours), medianMs(floor), ratio);
    return ratio <= 1.3 ? 0 : 1;
}

// Times save, load, export and import of a list at the add limits beside the least any
// implementation must do: the same keys through one QSettings object and one sync (QSettings'
// INI reader and writer, which the store's own replace), or the same bytes through one
// QSaveFile. Runs alternate and repeat; medians are compared.
// Given the program (bench_store path/to/tickvane), it also times `tickvane --import` of that
// list against the same program's --version, reading the script and writing the same store
// bytes durably.

#include "model/Model.h"
#include "script/RegistryScript.h"
#include "script/StorageScript.h"
#include "settings/Storage.h"
#include "settings/StoreLayout.h"
#include "settings/StoredGeometry.h"

#include <QCoreApplication>
#include <QDateTime>
#include <QElapsedTimer>
#include <QFile>
#include <QProcess>
#include <QSaveFile>
#include <QSettings>
#include <QTemporaryDir>
#include <algorithm>
#include <cstdio>
#include <functional>
#include <vector>

namespace {
constexpr int rounds = 15;

Model fullModel() {
    Model model;
    ApplyDefaults(model, QString());
    StockList& list = model.list;
    list.Maxtypes = TypeAddLimit - 1;
    list.Maxstocks = StockAddLimit - 1;
    const int perType = StockAddLimit / TypeAddLimit;
    for (qint16 t = 0; t <= list.Maxtypes; ++t) {
        list.types[t] = {QStringLiteral("Type number %1 \"quoted\"").arg(t), qint16(t * perType),
                         qint16(t * perType + perType - 1)};
    }
    for (int i = 0; i <= list.Maxstocks; ++i) {
        const QString n = QString::number(i);
        list.stocks[i] = {u'S' + n,
                          QStringLiteral("Company %1, Inc. & Co").arg(i),
                          QStringLiteral("https://example.com/investors/%1?x=1").arg(i),
                          u'B' + n,
                          u'M' + n,
                          u'P' + n,
                          u'Y' + n};
    }
    return model;
}

using KeyValues = std::vector<std::pair<QString, QString>>;

// The QSettings keys of the store (General lives at the top level of the INI file).
KeyValues settingsKeys(const StoreSections& sections) {
    KeyValues keys;
    for (const StoreSection& section : sections) {
        for (const auto& [key, value] : section.values) {
            keys.emplace_back(section.name == GeneralSectionName ? key : section.name + u'/' + key,
                              value);
        }
    }
    return keys;
}

qint64 nanoseconds(const std::function<void()>& work) {
    QElapsedTimer timer;
    timer.start();
    work();
    return timer.nsecsElapsed();
}

double median(std::vector<qint64> values) {
    std::sort(values.begin(), values.end());
    return double(values[values.size() / 2]);
}

bool compare(const char* name, const std::function<void()>& operation,
             const std::function<void()>& floor, double target = 2.0) {
    std::vector<qint64> ours;
    std::vector<qint64> least;
    for (int round = 0; round < rounds; ++round) {
        ours.push_back(nanoseconds(operation));
        least.push_back(nanoseconds(floor));
    }
    const double ratio = median(ours) / median(least);
    std::printf("%-7s %9.2f ms   floor %9.2f ms   ratio %5.2f\n", name, median(ours) / 1e6,
                median(least) / 1e6, ratio);
    return ratio <= target;
}

void run(const QString& program, const QStringList& arguments) {
    QProcess process;
    process.start(program, arguments);
    process.waitForFinished(-1);
}
}  // namespace

int main(int argc, char** argv) {
    QCoreApplication app(argc, argv);
    QTemporaryDir dir;
    const QString storeFile = dir.filePath(QStringLiteral("store.ini"));
    const QString floorFile = dir.filePath(QStringLiteral("floor.ini"));
    const QString scriptFile = dir.filePath(QStringLiteral("settings.reg"));
    const QString floorScript = dir.filePath(QStringLiteral("floor.reg"));
    const Storage storage(storeFile);
    const StoredGeometry geometry;
    Model model = fullModel();
    const KeyValues keys = settingsKeys(ModelSections(model, geometry.current()));
    const QByteArray scriptBytes =
        WriteRegistryScript(ModelSections(model, geometry.current())).bytes;
    std::printf("%zu keys, script of %lld bytes, medians of %d runs\n", keys.size(),
                qlonglong(scriptBytes.size()), rounds);

    const auto writeKeys = [&](bool clearFirst) {
        QSettings settings(floorFile, QSettings::IniFormat);
        if (clearFirst) {
            settings.clear();
        }
        for (const auto& [key, value] : keys) {
            settings.setValue(key, value);
        }
        settings.sync();
    };
    bool withinTarget = true;
    withinTarget &= compare(
        "save", [&] { storage.save(model, geometry); }, [&] { writeKeys(false); });
    // Each load meets the file as a new process would: QSettings keeps what it parsed while
    // the file keeps its size and time, so each round gives the files a time of their own.
    qint64 touches = 0;
    const auto touch = [&](const QString& path) {
        QFile file(path);
        file.open(QIODevice::ReadWrite);
        file.setFileTime(QDateTime::fromSecsSinceEpoch(++touches),
                         QFileDevice::FileModificationTime);
    };
    withinTarget &= compare(
        "load",
        [&] {
            touch(storeFile);
            storage.load(model, nullptr);
        },
        [&] {
            touch(floorFile);
            const QSettings settings(floorFile, QSettings::IniFormat);
            for (const auto& entry : keys) {
                settings.value(entry.first).toString();
            }
        });
    withinTarget &= compare(
        "export", [&] { ExportScript(storage, model, geometry, scriptFile); },
        [&] {
            QSaveFile file(floorScript);
            file.open(QIODevice::WriteOnly);
            file.write(scriptBytes);
            file.commit();
        });
    withinTarget &= compare(
        "import", [&] { ImportScript(storage, scriptFile); }, [&] { writeKeys(true); });
    if (argc > 1) {
        const QString program = QString::fromLocal8Bit(argv[1]);
        const QString cliStore = dir.filePath(QStringLiteral("cli.ini"));
        run(program,
            {QStringLiteral("--settings"), cliStore, QStringLiteral("--import"), scriptFile});
        QFile written(cliStore);
        written.open(QIODevice::ReadOnly);
        const QByteArray storeBytes = written.readAll();
        std::printf("%s --settings STORE --import SCRIPT (%lld store bytes)\n", argv[1],
                    qlonglong(storeBytes.size()));
        withinTarget &= compare(
            "--import",
            [&] {
                run(program, {QStringLiteral("--settings"), cliStore, QStringLiteral("--import"),
                              scriptFile});
            },
            [&] {
                run(program, {QStringLiteral("--version")});
                QFile script(scriptFile);
                script.open(QIODevice::ReadOnly);
                script.readAll();
                QSaveFile file(floorFile);
                file.open(QIODevice::WriteOnly);
                file.write(storeBytes);
                file.commit();
            },
            1.5);
    }
    return withinTarget ? 0 : 1;
}

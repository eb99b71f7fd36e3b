// Generates the largest page set the add commands allow and compares its time with writing
// the same bytes into the same files through QSaveFile, which like the pages' writer puts each
// file in place after one flush to disk.
#include "model/Model.h"
#include "web/GeneratePages.h"

#include <QCoreApplication>
#include <QFile>
#include <QSaveFile>
#include <QTemporaryDir>
#include <algorithm>
#include <chrono>
#include <cstdio>
#include <vector>

namespace {
struct OrderReport : GenerationReport {
    QStringList paths;  // in the order written
    void fileWritten(const QString& path) override {
        if (!paths.contains(path)) {
            paths.append(path);
        }
    }
    void finished(bool ok, const QString& message) override {
        if (!ok) {
            std::fprintf(stderr, "%s\n", qPrintable(message));
            std::exit(1);
        }
    }
};

void FillToTheAddLimits(Model& model) {
    StockList& list = model.list;
    const int perType = StockAddLimit / TypeAddLimit;
    list.Maxtypes = TypeAddLimit - 1;
    list.Maxstocks = StockAddLimit - 1;
    for (int t = 0; t < TypeAddLimit; ++t) {
        list.types[t] = {QStringLiteral("Type & group %1").arg(t), qint16(t * perType),
                         qint16(t * perType + perType - 1)};
    }
    for (int i = 0; i < StockAddLimit; ++i) {
        StockRecord& s = list.stocks[i];
        const QString n = QString::number(i);
        s.Stock = "SYM" + n;
        s.Description = "Company number " + n + " <Common>";
        s.URL = "https://www.company" + n + ".example/investors?lang=en&x=1";
        s.Alternates = {"BC" + n, "I:SM" + n, "$SP" + n, "^YH" + n};
    }
}

double Seconds(auto&& work) {
    const auto start = std::chrono::steady_clock::now();
    work();
    return std::chrono::duration<double>(std::chrono::steady_clock::now() - start).count();
}

double Median(std::vector<double> values) {
    std::sort(values.begin(), values.end());
    return values[values.size() / 2];
}
}  // namespace

int main(int argc, char** argv) {
    QCoreApplication app(argc, argv);
    QTemporaryDir dir;
    Model model;
    ApplyDefaults(model, QString());
    FillToTheAddLimits(model);
    model.general.HtmlDir = dir.path() + u'/';
    OrderReport report;
    GeneratePages(model, report);

    std::vector<std::pair<QString, QByteArray>> files;
    qint64 total = 0;
    for (const QString& path : report.paths) {
        QFile file(path);
        file.open(QIODevice::ReadOnly);
        files.emplace_back(file.fileName(), file.readAll());
        total += files.back().second.size();
    }
    auto plainWrites = [&] {
        for (const auto& [path, bytes] : files) {
            QSaveFile file(path);
            if (!file.open(QIODevice::WriteOnly) || file.write(bytes) != bytes.size() ||
                !file.commit()) {
                std::exit(1);
            }
        }
    };

    std::vector<double> generation, writes;
    for (int round = 0; round < 21; ++round) {
        // Who goes first changes every round, so neither always meets a cold or busy disk.
        if (round % 2 == 0) {
            generation.push_back(Seconds([&] { GeneratePages(model, report); }));
        }
        writes.push_back(Seconds(plainWrites));
        if (round % 2 == 1) {
            generation.push_back(Seconds([&] { GeneratePages(model, report); }));
        }
    }
    const double g = Median(generation), w = Median(writes);
    std::printf("%zu files, %lld bytes; medians of %zu alternating rounds\n", files.size(),
                static_cast<long long>(total), generation.size());
    std::printf("generation   %8.3f ms\nplain writes %8.3f ms\nratio        %8.2f\n", g * 1e3,
                w * 1e3, g / w);
    return 0;
}

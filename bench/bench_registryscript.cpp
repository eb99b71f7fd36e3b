// Writes and reads the registry script of the largest store the capacities allow (101 types,
// 1001 stocks), and prints the median time of each over a number of runs.
#include "script/RegistryScript.h"

#include <algorithm>
#include <chrono>
#include <cstdio>
#include <vector>

namespace {

StoreSections LargestStore() {
    StoreSection list{QStringLiteral("StockList"), {}};
    for (int t = 0; t <= 100; ++t) {
        const QString n = QString::number(t);
        list.values.emplace_back(QStringLiteral("Type") + n,
                                 QStringLiteral("Type \"%1\" \u00e9").arg(t));
        list.values.emplace_back(QStringLiteral("Lowstock") + n, n);
        list.values.emplace_back(QStringLiteral("Histock") + n, n);
    }
    for (int i = 0; i <= 1000; ++i) {
        const QString n = QString::number(i);
        list.values.emplace_back(QStringLiteral("Stock") + n, QStringLiteral("SYM") + n);
        list.values.emplace_back(QStringLiteral("Description") + n,
                                 QStringLiteral("Company %1, Inc.").arg(i));
        list.values.emplace_back(QStringLiteral("URL") + n,
                                 QStringLiteral("https://example.com/%1?a=1").arg(i));
        for (const char* alt : {"Alt_BC", "Alt_SM", "Alt_SP", "Alt_YH"}) {
            list.values.emplace_back(QLatin1StringView(alt) + n, QString());
        }
    }
    StoreSection general{QStringLiteral("General"), {{"HtmlDir", "C:\\Web\\Charts\\"}}};
    return {general, list};
}

template <typename Work>
double MedianMs(Work work) {
    std::vector<double> times;
    for (int run = 0; run < 31; ++run) {
        const auto start = std::chrono::steady_clock::now();
        work();
        times.push_back(
            std::chrono::duration<double, std::milli>(std::chrono::steady_clock::now() - start)
                .count());
    }
    std::nth_element(times.begin(), times.begin() + 15, times.end());
    return times[15];
}

}  // namespace

int main() {
    const StoreSections sections = LargestStore();
    const QByteArray bytes = WriteRegistryScript(sections).bytes;
    std::size_t values = 0;
    const double writeMs = MedianMs([&] { values += WriteRegistryScript(sections).bytes.size(); });
    const double readMs = MedianMs([&] { values += ReadRegistryScript(bytes).sections.size(); });
    std::printf("script of %lld bytes: write %.2f ms, read %.2f ms (median of 31; %zu)\n",
                static_cast<long long>(bytes.size()), writeMs, readMs, values);
    return ReadRegistryScript(bytes).ok ? 0 : 1;
}

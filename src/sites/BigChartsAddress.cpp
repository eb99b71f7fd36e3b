#include "model/OptionTables.h"
#include "sites/BigCharts.h"
#include "sites/OptionCode.h"

namespace {
constexpr char Host[] = "https://bigcharts.marketwatch.com";
constexpr std::array<const char*, 16> TimeCodes{"1",  "2", "3", "18", "4",  "5",  "6",  "7",
                                                "19", "8", "9", "10", "11", "12", "13", "20"};
constexpr std::array<const char*, 9> FrequencyCodes{"9", "6", "7", "8", "1", "2", "3", "4", "5"};
constexpr std::array<const char*, 13> CompIndexCodes{
    "",           "SP500%3A3377", "DJIA%3A1643",  "NASDAQ%3A3291",
    "RUT%3A4166", "XCI%3A565",    "IIX%3A144590", "XBD%3A12400",
    "XOI%3A567",  "XAU%3A3599",   "DJUA%3A1645",  "DJTA%3A1644",
    "XAL%3A13882"};
constexpr std::array<const char*, 11> UpIndCodes{"0",    "4",    "8",    "16",   "32", "128",
                                                 "1024", "2048", "4096", "7168", "512"};
constexpr std::array<const char*, 27> LowIndCodes{
    "0",        "1",      "268435456",  "2",        "4",        "8",       "16",
    "32",       "128",    "256",        "512",      "4096",     "8192",    "16384",
    "65536",    "131072", "1073741824", "67108864", "16777216", "8388608", "134217728",
    "33554432", "262144", "524288",     "1048576",  "2097152",  "4194304"};
constexpr std::array<const char*, 3> LowIndParameters{"&lf=", "&lf1=", "&lf2="};
}  // namespace

// Plot size, price display, background and moving average have computed codes.
ChartAddress BigChartsSite::chartAddress(const Model& model) const {
    using namespace BigChartsTables;
    const BigChartsSettings& s = model.bigCharts;
    const BigChartsSettings d;
    QString a = QString(Host) + "/intchart/frames/frames.asp?frames=1&time=";
    a += OptionCode(TimeCodes, TimePeriod(), s.TimePeriod, d.TimePeriod);
    a += "&freq=";
    a += OptionCode(FrequencyCodes, Frequency(), s.Frequency, d.Frequency);
    a += "&compidx=";
    a += OptionCode(CompIndexCodes, CompIndex(), s.CompIndex, d.CompIndex);
    a += "&size=" + QString::number(ValidSelection(s.PlotSize, PlotSize(), d.PlotSize) + 1);
    a += "&type=" + QString::number(1 << ValidSelection(s.PriceDisp, PriceDisp(), d.PriceDisp));
    a += "&style=" +
         QString::number(320 + 10 * ValidSelection(s.ChartBkgrd, ChartBkgrd(), d.ChartBkgrd));
    a += "&ma=" + QString::number(ValidSelection(s.MoveAvg, MoveAvg(), d.MoveAvg));
    a += "&uf=";
    a += OptionCode(UpIndCodes, UpInd(), s.UpInd, d.UpInd);
    for (size_t slot = 0; slot < LowIndParameters.size(); ++slot) {
        a += QLatin1StringView(LowIndParameters[slot]);
        a += OptionCode(LowIndCodes, LowInd(), s.LowInd[slot], d.LowInd[slot]);
    }
    a += "&comp=" + (s.CompSym.isEmpty() ? QStringLiteral("NO_SYMBOL_CHOSEN") : s.CompSym);
    a += "&default=t&o_symb=";
    return ChartAddress{{a, QStringLiteral("&symb="), QString()}};
}

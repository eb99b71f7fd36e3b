#include "sites/DialogGrid.h"
#include "sites/StockPoint.h"

using namespace DialogGrid;

namespace {
constexpr int ListWidth = 2100;
constexpr int CheckWidth = 2640;
constexpr int BoxWidth = 1920;

constexpr DialogFrame Frames[] = {
    {"Plot &Size", Frame(120, 120, ListWidth)},
    {"&Time Period", Frame(120, 120 + FramePitch, ListWidth)},
    {"&Plot Type", Frame(120, 120 + 2 * FramePitch, ListWidth)},
    {"Comparison &Index", Frame(120, 120 + 3 * FramePitch, ListWidth)},
    {"Indicators", {2700, 120, 3000, 3000}},
    {"Comparison s&ymbols", {5820, 120, BoxWidth + 2 * FieldLeft, 1500}},
    {"&Moving averages (days)", {5820, 1740, BoxWidth + 2 * FieldLeft, 1380}},
};

constexpr TwipsBox IndicatorRow(int row) {
    return CheckRow(FieldTop + row * 360, CheckWidth);
}

constexpr ControlKind List = ControlKind::List;
constexpr ControlKind Check = ControlKind::Check;
constexpr ControlKind Symbol = ControlKind::Symbol;
constexpr ControlKind Days = ControlKind::Days;
constexpr DialogControl Controls[] = {
    {"PlotSize", List, "PlotSize", 0, Field(ListWidth)},
    {"TimePeriod", List, "TimePeriod", 1, Field(ListWidth)},
    {"PlotType", List, "PlotType", 2, Field(ListWidth)},
    {"CompIndex", List, "CompIndex", 3, Field(ListWidth)},
    {"BollBand", Check, "Indicators0", 4, IndicatorRow(0), "&Bollinger bands"},
    {"RelStr", Check, "Indicators1", 4, IndicatorRow(1), "&Relative strength"},
    {"Stochastics", Check, "Indicators2", 4, IndicatorRow(2), "Stoc&hastics"},
    {"BalVol", Check, "Indicators3", 4, IndicatorRow(3), "&On balance volume"},
    {"RateChange", Check, "Indicators4", 4, IndicatorRow(4), "Price rate of chan&ge"},
    {"MovingAvg", Check, "Indicators5", 4, IndicatorRow(5), "Moving &average conv/div"},
    {"Volume", Check, "Indicators6", 4, IndicatorRow(6), "&Volume"},
    {"Comp1", Symbol, "CompSym0", 5, FieldRow(0, BoxWidth)},
    {"Comp2", Symbol, "CompSym1", 5, FieldRow(1, BoxWidth)},
    {"Comp3", Symbol, "CompSym2", 5, FieldRow(2, BoxWidth)},
    {"Avg1", Days, "MoveAvg0", 6, FieldRow(0, BoxWidth)},
    {"Avg2", Days, "MoveAvg1", 6, FieldRow(1, BoxWidth)},
};
}  // namespace

const SiteDialog& StockPointSite::dialog() const {
    static constexpr SiteDialog description{
        "StockPoint",
        "StockPoint Options",
        8220,
        3852,
        CancelButton(8100, 3300),
        DoneButton(8100, 3300),
        "Cancel changes",
        Frames,
        Controls,
        "Times for moving averages must be numeric",
    };
    return description;
}

#include "sites/BigCharts.h"
#include "sites/DialogGrid.h"

using namespace DialogGrid;

namespace {
constexpr int ListWidth = 4200;  // wide enough for the longest lower indicator
constexpr int Right = 4920;      // left edge of the second column
constexpr int LongList = 22;     // item heights, the closed box included

constexpr DialogFrame Frames[] = {
    {"&Time Period", Frame(180, 120, ListWidth)},
    {"Fre&quency", Frame(180, 120 + FramePitch, ListWidth)},
    {"Comparison &Index", Frame(180, 120 + 2 * FramePitch, ListWidth)},
    {"Plot &Size", Frame(180, 120 + 3 * FramePitch, ListWidth)},
    {"&Price display", Frame(180, 120 + 4 * FramePitch, ListWidth)},
    {"Chart &background", Frame(180, 120 + 5 * FramePitch, ListWidth)},
    {"&Moving averages", Frame(Right, 120, ListWidth)},
    {"&Upper indicator", Frame(Right, 120 + FramePitch, ListWidth)},
    {"&First lower indicator", Frame(Right, 120 + 2 * FramePitch, ListWidth)},
    {"Second &lower indicator", Frame(Right, 120 + 3 * FramePitch, ListWidth)},
    {"T&hird lower indicator", Frame(Right, 120 + 4 * FramePitch, ListWidth)},
    {"Comparison s&ymbol", Frame(Right, 120 + 5 * FramePitch, ListWidth)},
};

constexpr ControlKind List = ControlKind::List;
constexpr DialogControl Controls[] = {
    {"TimePeriod", List, "TimePeriod", 0, Field(ListWidth), nullptr, LongList},
    {"Frequency", List, "Frequency", 1, Field(ListWidth), nullptr, LongList},
    {"CompIndex", List, "CompIndex", 2, Field(ListWidth), nullptr, LongList},
    {"PlotSize", List, "PlotSize", 3, Field(ListWidth)},
    {"PriceDisplay", List, "PriceDisp", 4, Field(ListWidth), nullptr, LongList},
    {"ChartBack", List, "ChartBkgrd", 5, Field(ListWidth)},
    {"MoveAvg", List, "MoveAvg", 6, Field(ListWidth)},
    {"UpperInd", List, "UpInd", 7, Field(ListWidth), nullptr, LongList},
    {"LowerInd0", List, "LowInd0", 8, Field(ListWidth), nullptr, LongList},
    {"LowerInd1", List, "LowInd1", 9, Field(ListWidth), nullptr, LongList},
    {"LowerInd2", List, "LowInd2", 10, Field(ListWidth), nullptr, LongList},
    {"CompSym", ControlKind::Symbol, "CompSym", 11, Field(ListWidth)},
};
}  // namespace

const SiteDialog& BigChartsSite::dialog() const {
    static constexpr SiteDialog description{
        "BigCharts",
        "BigCharts Options",
        9660,
        5412,
        CancelButton(9480, 4860),
        DoneButton(9480, 4860),
        "Cancel changes",
        Frames,
        Controls,
    };
    return description;
}

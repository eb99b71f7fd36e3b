#include "sites/DialogGrid.h"
#include "sites/StockMaster.h"

using namespace DialogGrid;

namespace {
constexpr int ListWidth = 1800;
constexpr int CheckWidth = 2100;
constexpr int SymbolWidth = 1800;
constexpr int LongList = 17;  // item heights, the closed box included

// Group boxes first, then the frames in them; frame indexes are given in the comments.
constexpr DialogFrame Frames[] = {
    {"Basics", {120, 120, 2400, 2460}},                                // 0
    {"&Time frame", Frame(120, 240, ListWidth), 0},                    // 1
    {"&Plot type", Frame(120, 960, ListWidth), 0},                     // 2
    {"&Scale", Frame(120, 1680, ListWidth), 0},                        // 3
    {"Quote", {120, 2700, 2400, 1380}},                                // 4
    {"&Quote detail", Frame(120, 240, ListWidth), 4},                  // 5
    {"Appearance", {2640, 120, 2400, 3960}},                           // 6
    {"P&rice display", Frame(120, 240, ListWidth), 6},                 // 7
    {"C&hart size", Frame(120, 960, ListWidth), 6},                    // 8
    {"&Menu type", Frame(120, 1680, ListWidth), 6},                    // 9
    {"Comparison and technical", {5160, 120, 4680, 3960}},             // 10
    {"Compare to &index", Frame(120, 240, ListWidth), 10},             // 11
    {"Moving average &1", Frame(120, 960, ListWidth), 10},             // 12
    {"Moving average &2", Frame(120, 1680, ListWidth), 10},            // 13
    {"&Upper chart indicator", Frame(120, 2400, ListWidth), 10},       // 14
    {"&Lower chart indicator", Frame(120, 3120, ListWidth), 10},       // 15
    {"S&ymbols", {2400, 240, SymbolWidth + 2 * FieldLeft, 2160}, 10},  // 16
};

constexpr ControlKind List = ControlKind::List;
constexpr ControlKind Check = ControlKind::Check;
constexpr ControlKind Symbol = ControlKind::Symbol;
constexpr DialogControl Controls[] = {
    {"TimeFrame", List, "Time", 1, Field(ListWidth), nullptr, LongList},
    {"PlotType", List, "PlotType", 2, Field(ListWidth)},
    {"PlotScale", List, "Scale", 3, Field(ListWidth)},
    {"QuoteDetail", List, "Quote", 5, Field(ListWidth)},
    {"DecimalsCheckbox", Check, "Decimals", 4, CheckRow(960, CheckWidth), "Show as d&ecimals"},
    {"PriceDisp", List, "PriceDisp", 7, Field(ListWidth)},
    {"ChartSize", List, "ChartSize", 8, Field(ListWidth)},
    {"MenuType", List, "MenuType", 9, Field(ListWidth)},
    {"SplitCheckbox", Check, "Splits", 6, CheckRow(2460, CheckWidth), "Sh&ow splits"},
    {"HiLowCheckbox", Check, "HiLow", 6, CheckRow(2820, CheckWidth), "Show hi/lo&w"},
    {"CompIndex", List, "CompIndex", 11, Field(ListWidth)},
    {"MoveAvg1", List, "MoveAvg1", 12, Field(ListWidth), nullptr, LongList},
    {"MoveAvg2", List, "MoveAvg2", 13, Field(ListWidth), nullptr, LongList},
    {"UpInd", List, "UpInd", 14, Field(ListWidth)},
    {"LowInd", List, "LowInd", 15, Field(ListWidth)},
    {"CompSym0", Symbol, "CompSym0", 16, FieldRow(0, SymbolWidth)},
    {"CompSym1", Symbol, "CompSym1", 16, FieldRow(1, SymbolWidth)},
    {"CompSym2", Symbol, "CompSym2", 16, FieldRow(2, SymbolWidth)},
    {"CompSym3", Symbol, "CompSym3", 16, FieldRow(3, SymbolWidth)},
    {"CompSym4", Symbol, "CompSym4", 16, FieldRow(4, SymbolWidth)},
};
}  // namespace

const SiteDialog& StockMasterSite::dialog() const {
    static constexpr SiteDialog description{
        "StockMaster",          "StockMaster options", 9960,   4812,     CancelButton(9840, 4260),
        DoneButton(9840, 4260), "Cancel changes",      Frames, Controls,
    };
    return description;
}

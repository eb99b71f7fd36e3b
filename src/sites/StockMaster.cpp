#include "sites/ChartSite.h"
#include "sites/DialogGrid.h"
#include "sites/OptionCode.h"

namespace {
using namespace DialogGrid;

TICKVANE_OPTIONS(Time, {"1 month", "1"}, {"2 months", "2"}, {"3 months", "3"}, {"6 months", "6"},
                 {"YTD", "ytd"}, {"1 year", "12"}, {"2 years", "24"}, {"3 years", "36"},
                 {"5 years", "60"}, {"10 years", "120"})
TICKVANE_OPTIONS(PlotType, {"Price", "pr"}, {"% change", "pct"})
TICKVANE_OPTIONS(Scale, {"Linear", "li"}, {"Log", "l"}, {"Log+", "lp"})
TICKVANE_OPTIONS(Quote, {"Short", ""}, {"Basic", "&qo=b"}, {"Detailed", "&qo=d"})
TICKVANE_OPTIONS(CompIndex, {"None", ""}, {"S&P 500", "&ci=I:%3ASPX"},
                 {"Dow Industrials", "&ci=I%3AINDU"}, {"NASDAQ", "&ci=I%3ACOMP"},
                 {"TSE 300", "&ci=I%3ATSEA"})
TICKVANE_OPTIONS(MoveAvg, {"None", "n"}, {"EMA-5", "e5"}, {"EMA-12", "e12"}, {"EMA-13", "e13"},
                 {"EMA-20", "e20"}, {"EMA-26", "e26"}, {"EMA-50", "e50"}, {"EMA-200", "e200"},
                 {"SMA-5", "s5"}, {"SMA-12", "s12"}, {"SMA-13", "s13"}, {"SMA-20", "s20"},
                 {"SMA-26", "s26"}, {"SMA-50", "s50"}, {"SMA-200", "s200"})
TICKVANE_OPTIONS(UpInd, {"None", "n"}, {"MA envelopes", "mae"}, {"Bollinger bands", "bb"},
                 {"Volume by price", "vbp"})
TICKVANE_OPTIONS(LowInd, {"None", "n"}, {"Volume", "v"}, {"Volume+", "vp"}, {"MACD", "ma"},
                 {"OBV", "obv"}, {"Momentum", "mo"}, {"Williams %R", "wp"}, {"RSI", "rsi"},
                 {"Fast stochastic", "fst"}, {"Slow stochastic", "sst"})
TICKVANE_OPTIONS(PriceDisp, {"OHLC", "o"}, {"Close", "l"}, {"HLC", "h"}, {"Mountains", "m"},
                 {"Points", "p"}, {"Steps", "s"}, {"Candles", "c"}, {"Candles+", "cp"})
TICKVANE_OPTIONS(ChartSize, {"Short", "&sz=s"}, {"Default", ""}, {"Tall", "&sz=t"},
                 {"Wide", "&sz=w"}, {"Huge", "&sz=h"}, {"2 column", "&sz=2"}, {"3 column", "&sz=3"},
                 {"Stacked", "&sz=st"})
TICKVANE_OPTIONS(MenuType, {"Basic", "b"}, {"Comparison", "c"}, {"Technical", "t"},
                 {"Everything", "f"})

class StockMasterSite : public BuiltInSite {
  public:
    SiteId id() const override { return SiteId::StockMaster; }
    SettingFields fields(Model& model) const override;
    ChartAddress chartAddress(const Model& model) const override;
    const SiteDialog& dialog() const override;
};

SettingFields StockMasterSite::fields(Model& model) const {
    StockMasterSettings& s = model.stockMaster;
    SettingFields fields{
        {QStringLiteral("Time"), &s.Time, &Time()},
        {QStringLiteral("PlotType"), &s.PlotType, &PlotType()},
        {QStringLiteral("Scale"), &s.Scale, &Scale()},
        {QStringLiteral("Quote"), &s.Quote, &Quote()},
        {QStringLiteral("CompIndex"), &s.CompIndex, &CompIndex()},
        {QStringLiteral("MoveAvg1"), &s.MoveAvg1, &MoveAvg()},
        {QStringLiteral("MoveAvg2"), &s.MoveAvg2, &MoveAvg()},
        {QStringLiteral("UpInd"), &s.UpInd, &UpInd()},
        {QStringLiteral("LowInd"), &s.LowInd, &LowInd()},
        {QStringLiteral("PriceDisp"), &s.PriceDisp, &PriceDisp()},
        {QStringLiteral("ChartSize"), &s.ChartSize, &ChartSize()},
        {QStringLiteral("MenuType"), &s.MenuType, &MenuType()},
        {QStringLiteral("Decimals"), &s.Decimals},
        {QStringLiteral("Splits"), &s.Splits},
        {QStringLiteral("HiLow"), &s.HiLow},
    };
    AppendIndexed(fields, QStringLiteral("CompSym"), s.CompSym);
    return fields;
}

constexpr char Host[] = "https://www.stockmaster.com";

// "&cs=" and the comparison symbols that are set, or nothing when none is.
QString ComparisonSymbols(const std::array<QString, 5>& symbols) {
    QStringList set;
    for (const QString& symbol : symbols) {
        if (!symbol.isEmpty()) {
            set.append(symbol);
        }
    }
    return set.isEmpty() ? QString() : "&cs=" + set.join(QStringLiteral("%20"));
}

ChartAddress StockMasterSite::chartAddress(const Model& model) const {
    const StockMasterSettings& s = model.stockMaster;
    const StockMasterSettings d;
    QString rest = QStringLiteral("&m=");
    rest += OptionCode(Time(), s.Time, d.Time);
    rest += "&sm=";
    rest += OptionCode(PlotType(), s.PlotType, d.PlotType);
    rest += "&sc=";
    rest += OptionCode(Scale(), s.Scale, d.Scale);
    rest += OptionCode(Quote(), s.Quote, d.Quote);
    if (s.Decimals) {
        rest += "&qd=d";
    }
    rest += OptionCode(CompIndex(), s.CompIndex, d.CompIndex);
    rest += "&ma1=";
    rest += OptionCode(MoveAvg(), s.MoveAvg1, d.MoveAvg1);
    rest += "&ma2=";
    rest += OptionCode(MoveAvg(), s.MoveAvg2, d.MoveAvg2);
    rest += "&ui=";
    rest += OptionCode(UpInd(), s.UpInd, d.UpInd);
    rest += "&li=";
    rest += OptionCode(LowInd(), s.LowInd, d.LowInd);
    rest += ComparisonSymbols(s.CompSym);
    rest += "&t=";
    rest += OptionCode(PriceDisp(), s.PriceDisp, d.PriceDisp);
    rest += OptionCode(ChartSize(), s.ChartSize, d.ChartSize);
    rest += "&co=";
    rest += OptionCode(MenuType(), s.MenuType, d.MenuType);
    if (s.Splits) {
        rest += "&ss=1";
    }
    if (s.HiLow) {
        rest += "&shl=1";
    }
    return ChartAddress{{QString(Host) + "/exe/sm/chart?&Symbol=", rest}};
}

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

const SiteDialog& StockMasterSite::dialog() const {
    static constexpr SiteDialog description{
        "StockMaster",          "StockMaster options", 9960,   4812,     CancelButton(9840, 4260),
        DoneButton(9840, 4260), "Cancel changes",      Frames, Controls,
    };
    return description;
}

}  // namespace

const BuiltInSite& BuiltInStockMaster() {
    static const StockMasterSite site;
    return site;
}

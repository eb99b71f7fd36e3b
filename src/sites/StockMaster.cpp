#include "sites/ChartSite.h"
#include "sites/DialogGrid.h"
#include "sites/OptionCode.h"

namespace {
using namespace DialogGrid;

TICKVANE_OPTIONS(Time, {QT_TRANSLATE_NOOP("StockMaster", "1 month"), "1"},
                 {QT_TRANSLATE_NOOP("StockMaster", "2 months"), "2"},
                 {QT_TRANSLATE_NOOP("StockMaster", "3 months"), "3"},
                 {QT_TRANSLATE_NOOP("StockMaster", "6 months"), "6"},
                 {QT_TRANSLATE_NOOP("StockMaster", "YTD"), "ytd"},
                 {QT_TRANSLATE_NOOP("StockMaster", "1 year"), "12"},
                 {QT_TRANSLATE_NOOP("StockMaster", "2 years"), "24"},
                 {QT_TRANSLATE_NOOP("StockMaster", "3 years"), "36"},
                 {QT_TRANSLATE_NOOP("StockMaster", "5 years"), "60"},
                 {QT_TRANSLATE_NOOP("StockMaster", "10 years"), "120"})
TICKVANE_OPTIONS(PlotType, {QT_TRANSLATE_NOOP("StockMaster", "Price"), "pr"},
                 {QT_TRANSLATE_NOOP("StockMaster", "% change"), "pct"})
TICKVANE_OPTIONS(Scale, {QT_TRANSLATE_NOOP("StockMaster", "Linear"), "li"},
                 {QT_TRANSLATE_NOOP("StockMaster", "Log"), "l"},
                 {QT_TRANSLATE_NOOP("StockMaster", "Log+"), "lp"})
TICKVANE_OPTIONS(Quote, {QT_TRANSLATE_NOOP("StockMaster", "Short"), ""},
                 {QT_TRANSLATE_NOOP("StockMaster", "Basic"), "&qo=b"},
                 {QT_TRANSLATE_NOOP("StockMaster", "Detailed"), "&qo=d"})
TICKVANE_OPTIONS(CompIndex, {QT_TRANSLATE_NOOP("StockMaster", "None"), ""},
                 {QT_TRANSLATE_NOOP("StockMaster", "S&P 500"), "&ci=I:%3ASPX"},
                 {QT_TRANSLATE_NOOP("StockMaster", "Dow Industrials"), "&ci=I%3AINDU"},
                 {QT_TRANSLATE_NOOP("StockMaster", "NASDAQ"), "&ci=I%3ACOMP"},
                 {QT_TRANSLATE_NOOP("StockMaster", "TSE 300"), "&ci=I%3ATSEA"})
TICKVANE_OPTIONS(MoveAvg, {QT_TRANSLATE_NOOP("StockMaster", "None"), "n"},
                 {QT_TRANSLATE_NOOP("StockMaster", "EMA-5"), "e5"},
                 {QT_TRANSLATE_NOOP("StockMaster", "EMA-12"), "e12"},
                 {QT_TRANSLATE_NOOP("StockMaster", "EMA-13"), "e13"},
                 {QT_TRANSLATE_NOOP("StockMaster", "EMA-20"), "e20"},
                 {QT_TRANSLATE_NOOP("StockMaster", "EMA-26"), "e26"},
                 {QT_TRANSLATE_NOOP("StockMaster", "EMA-50"), "e50"},
                 {QT_TRANSLATE_NOOP("StockMaster", "EMA-200"), "e200"},
                 {QT_TRANSLATE_NOOP("StockMaster", "SMA-5"), "s5"},
                 {QT_TRANSLATE_NOOP("StockMaster", "SMA-12"), "s12"},
                 {QT_TRANSLATE_NOOP("StockMaster", "SMA-13"), "s13"},
                 {QT_TRANSLATE_NOOP("StockMaster", "SMA-20"), "s20"},
                 {QT_TRANSLATE_NOOP("StockMaster", "SMA-26"), "s26"},
                 {QT_TRANSLATE_NOOP("StockMaster", "SMA-50"), "s50"},
                 {QT_TRANSLATE_NOOP("StockMaster", "SMA-200"), "s200"})
TICKVANE_OPTIONS(UpInd, {QT_TRANSLATE_NOOP("StockMaster", "None"), "n"},
                 {QT_TRANSLATE_NOOP("StockMaster", "MA envelopes"), "mae"},
                 {QT_TRANSLATE_NOOP("StockMaster", "Bollinger bands"), "bb"},
                 {QT_TRANSLATE_NOOP("StockMaster", "Volume by price"), "vbp"})
TICKVANE_OPTIONS(LowInd, {QT_TRANSLATE_NOOP("StockMaster", "None"), "n"},
                 {QT_TRANSLATE_NOOP("StockMaster", "Volume"), "v"},
                 {QT_TRANSLATE_NOOP("StockMaster", "Volume+"), "vp"},
                 {QT_TRANSLATE_NOOP("StockMaster", "MACD"), "ma"},
                 {QT_TRANSLATE_NOOP("StockMaster", "OBV"), "obv"},
                 {QT_TRANSLATE_NOOP("StockMaster", "Momentum"), "mo"},
                 {QT_TRANSLATE_NOOP("StockMaster", "Williams %R"), "wp"},
                 {QT_TRANSLATE_NOOP("StockMaster", "RSI"), "rsi"},
                 {QT_TRANSLATE_NOOP("StockMaster", "Fast stochastic"), "fst"},
                 {QT_TRANSLATE_NOOP("StockMaster", "Slow stochastic"), "sst"})
TICKVANE_OPTIONS(PriceDisp, {QT_TRANSLATE_NOOP("StockMaster", "OHLC"), "o"},
                 {QT_TRANSLATE_NOOP("StockMaster", "Close"), "l"},
                 {QT_TRANSLATE_NOOP("StockMaster", "HLC"), "h"},
                 {QT_TRANSLATE_NOOP("StockMaster", "Mountains"), "m"},
                 {QT_TRANSLATE_NOOP("StockMaster", "Points"), "p"},
                 {QT_TRANSLATE_NOOP("StockMaster", "Steps"), "s"},
                 {QT_TRANSLATE_NOOP("StockMaster", "Candles"), "c"},
                 {QT_TRANSLATE_NOOP("StockMaster", "Candles+"), "cp"})
TICKVANE_OPTIONS(ChartSize, {QT_TRANSLATE_NOOP("StockMaster", "Short"), "&sz=s"},
                 {QT_TRANSLATE_NOOP("StockMaster", "Default"), ""},
                 {QT_TRANSLATE_NOOP("StockMaster", "Tall"), "&sz=t"},
                 {QT_TRANSLATE_NOOP("StockMaster", "Wide"), "&sz=w"},
                 {QT_TRANSLATE_NOOP("StockMaster", "Huge"), "&sz=h"},
                 {QT_TRANSLATE_NOOP("StockMaster", "2 column"), "&sz=2"},
                 {QT_TRANSLATE_NOOP("StockMaster", "3 column"), "&sz=3"},
                 {QT_TRANSLATE_NOOP("StockMaster", "Stacked"), "&sz=st"})
TICKVANE_OPTIONS(MenuType, {QT_TRANSLATE_NOOP("StockMaster", "Basic"), "b"},
                 {QT_TRANSLATE_NOOP("StockMaster", "Comparison"), "c"},
                 {QT_TRANSLATE_NOOP("StockMaster", "Technical"), "t"},
                 {QT_TRANSLATE_NOOP("StockMaster", "Everything"), "f"})

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
    {QT_TRANSLATE_NOOP("StockMaster", "Basics"), {120, 120, 2400, 2460}},                      // 0
    {QT_TRANSLATE_NOOP("StockMaster", "&Time frame"), Frame(120, 240, ListWidth), 0},          // 1
    {QT_TRANSLATE_NOOP("StockMaster", "&Plot type"), Frame(120, 960, ListWidth), 0},           // 2
    {QT_TRANSLATE_NOOP("StockMaster", "&Scale"), Frame(120, 1680, ListWidth), 0},              // 3
    {QT_TRANSLATE_NOOP("StockMaster", "Quote"), {120, 2700, 2400, 1380}},                      // 4
    {QT_TRANSLATE_NOOP("StockMaster", "&Quote detail"), Frame(120, 240, ListWidth), 4},        // 5
    {QT_TRANSLATE_NOOP("StockMaster", "Appearance"), {2640, 120, 2400, 3960}},                 // 6
    {QT_TRANSLATE_NOOP("StockMaster", "P&rice display"), Frame(120, 240, ListWidth), 6},       // 7
    {QT_TRANSLATE_NOOP("StockMaster", "C&hart size"), Frame(120, 960, ListWidth), 6},          // 8
    {QT_TRANSLATE_NOOP("StockMaster", "&Menu type"), Frame(120, 1680, ListWidth), 6},          // 9
    {QT_TRANSLATE_NOOP("StockMaster", "Comparison and technical"), {5160, 120, 4680, 3960}},   // 10
    {QT_TRANSLATE_NOOP("StockMaster", "Compare to &index"), Frame(120, 240, ListWidth), 10},   // 11
    {QT_TRANSLATE_NOOP("StockMaster", "Moving average &1"), Frame(120, 960, ListWidth), 10},   // 12
    {QT_TRANSLATE_NOOP("StockMaster", "Moving average &2"), Frame(120, 1680, ListWidth), 10},  // 13
    {QT_TRANSLATE_NOOP("StockMaster", "&Upper chart indicator"), Frame(120, 2400, ListWidth),
     10},  // 14
    {QT_TRANSLATE_NOOP("StockMaster", "&Lower chart indicator"), Frame(120, 3120, ListWidth),
     10},  // 15
    {QT_TRANSLATE_NOOP("StockMaster", "S&ymbols"),
     {2400, 240, SymbolWidth + 2 * FieldLeft, 2160},
     10},  // 16
};

constexpr ControlKind List = ControlKind::List;
constexpr ControlKind Check = ControlKind::Check;
constexpr ControlKind Symbol = ControlKind::Symbol;
constexpr DialogControl Controls[] = {
    {"TimeFrame", List, "Time", 1, Field(ListWidth), nullptr, LongList},
    {"PlotType", List, "PlotType", 2, Field(ListWidth)},
    {"PlotScale", List, "Scale", 3, Field(ListWidth)},
    {"QuoteDetail", List, "Quote", 5, Field(ListWidth)},
    {"DecimalsCheckbox", Check, "Decimals", 4, CheckRow(960, CheckWidth),
     QT_TRANSLATE_NOOP("StockMaster", "Show as d&ecimals")},
    {"PriceDisp", List, "PriceDisp", 7, Field(ListWidth)},
    {"ChartSize", List, "ChartSize", 8, Field(ListWidth)},
    {"MenuType", List, "MenuType", 9, Field(ListWidth)},
    {"SplitCheckbox", Check, "Splits", 6, CheckRow(2460, CheckWidth),
     QT_TRANSLATE_NOOP("StockMaster", "Sh&ow splits")},
    {"HiLowCheckbox", Check, "HiLow", 6, CheckRow(2820, CheckWidth),
     QT_TRANSLATE_NOOP("StockMaster", "Show hi/lo&w")},
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
        "StockMaster",
        QT_TRANSLATE_NOOP("StockMaster", "StockMaster options"),
        9960,
        4812,
        CancelButton(9840, 4260),
        DoneButton(9840, 4260),
        QT_TRANSLATE_NOOP("StockMaster", "Cancel changes"),
        Frames,
        Controls,
    };
    return description;
}

}  // namespace

const BuiltInSite& BuiltInStockMaster() {
    static const StockMasterSite site;
    return site;
}

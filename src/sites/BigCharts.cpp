#include "sites/ChartSite.h"
#include "sites/DialogGrid.h"
#include "sites/OptionCode.h"

namespace {
using namespace DialogGrid;

TICKVANE_OPTIONS(TimePeriod, {QT_TRANSLATE_NOOP("BigCharts", "1 day"), "1"},
                 {QT_TRANSLATE_NOOP("BigCharts", "2 days"), "2"},
                 {QT_TRANSLATE_NOOP("BigCharts", "5 days"), "3"},
                 {QT_TRANSLATE_NOOP("BigCharts", "10 days"), "18"},
                 {QT_TRANSLATE_NOOP("BigCharts", "1 month"), "4"},
                 {QT_TRANSLATE_NOOP("BigCharts", "2 months"), "5"},
                 {QT_TRANSLATE_NOOP("BigCharts", "3 months"), "6"},
                 {QT_TRANSLATE_NOOP("BigCharts", "6 months"), "7"},
                 {QT_TRANSLATE_NOOP("BigCharts", "Year to date"), "19"},
                 {QT_TRANSLATE_NOOP("BigCharts", "1 year"), "8"},
                 {QT_TRANSLATE_NOOP("BigCharts", "2 years"), "9"},
                 {QT_TRANSLATE_NOOP("BigCharts", "3 years"), "10"},
                 {QT_TRANSLATE_NOOP("BigCharts", "4 years"), "11"},
                 {QT_TRANSLATE_NOOP("BigCharts", "5 years"), "12"},
                 {QT_TRANSLATE_NOOP("BigCharts", "Decade"), "13"},
                 {QT_TRANSLATE_NOOP("BigCharts", "All data"), "20"})
TICKVANE_OPTIONS(Frequency, {QT_TRANSLATE_NOOP("BigCharts", "Every minute"), "9"},
                 {QT_TRANSLATE_NOOP("BigCharts", "Every 5 minutes"), "6"},
                 {QT_TRANSLATE_NOOP("BigCharts", "Every 15 minutes"), "7"},
                 {QT_TRANSLATE_NOOP("BigCharts", "Hourly"), "8"},
                 {QT_TRANSLATE_NOOP("BigCharts", "Daily"), "1"},
                 {QT_TRANSLATE_NOOP("BigCharts", "Weekly"), "2"},
                 {QT_TRANSLATE_NOOP("BigCharts", "Monthly"), "3"},
                 {QT_TRANSLATE_NOOP("BigCharts", "Quarterly"), "4"},
                 {QT_TRANSLATE_NOOP("BigCharts", "Yearly"), "5"})
TICKVANE_OPTIONS(CompIndex, {QT_TRANSLATE_NOOP("BigCharts", "None"), ""},
                 {QT_TRANSLATE_NOOP("BigCharts", "S&P 500"), "SP500%3A3377"},
                 {QT_TRANSLATE_NOOP("BigCharts", "Dow Industrials"), "DJIA%3A1643"},
                 {QT_TRANSLATE_NOOP("BigCharts", "NASDAQ"), "NASDAQ%3A3291"},
                 {QT_TRANSLATE_NOOP("BigCharts", "Russell 2000"), "RUT%3A4166"},
                 {QT_TRANSLATE_NOOP("BigCharts", "AMEX Computer Technology Index"), "XCI%3A565"},
                 {QT_TRANSLATE_NOOP("BigCharts", "AMEX Internet Index"), "IIX%3A144590"},
                 {QT_TRANSLATE_NOOP("BigCharts", "AMEX Securities Brokers/Dealers"), "XBD%3A12400"},
                 {QT_TRANSLATE_NOOP("BigCharts", "AMEX Oil Index"), "XOI%3A567"},
                 {QT_TRANSLATE_NOOP("BigCharts", "PHLX Gold & Silver Index"), "XAU%3A3599"},
                 {QT_TRANSLATE_NOOP("BigCharts", "Dow Jones Utilities Average"), "DJUA%3A1645"},
                 {QT_TRANSLATE_NOOP("BigCharts", "Dow Jones Transportation Average"),
                  "DJTA%3A1644"},
                 {QT_TRANSLATE_NOOP("BigCharts", "AMEX Airline Index"), "XAL%3A13882"})
TICKVANE_OPTIONS(PlotSize, {QT_TRANSLATE_NOOP("BigCharts", "Small"), "1"},
                 {QT_TRANSLATE_NOOP("BigCharts", "Medium"), "2"},
                 {QT_TRANSLATE_NOOP("BigCharts", "Large"), "3"},
                 {QT_TRANSLATE_NOOP("BigCharts", "Big"), "4"})
TICKVANE_OPTIONS(PriceDisp, {QT_TRANSLATE_NOOP("BigCharts", "Hide price"), "1"},
                 {QT_TRANSLATE_NOOP("BigCharts", "HLC"), "2"},
                 {QT_TRANSLATE_NOOP("BigCharts", "OHLC"), "4"},
                 {QT_TRANSLATE_NOOP("BigCharts", "Candlestick"), "8"},
                 {QT_TRANSLATE_NOOP("BigCharts", "Mountain"), "16"},
                 {QT_TRANSLATE_NOOP("BigCharts", "Bar charts"), "32"},
                 {QT_TRANSLATE_NOOP("BigCharts", "Dot"), "64"},
                 {QT_TRANSLATE_NOOP("BigCharts", "Close"), "128"},
                 {QT_TRANSLATE_NOOP("BigCharts", "Logarithmic"), "256"})
TICKVANE_OPTIONS(ChartBkgrd, {QT_TRANSLATE_NOOP("BigCharts", "Default"), "320"},
                 {QT_TRANSLATE_NOOP("BigCharts", "Black grids"), "330"},
                 {QT_TRANSLATE_NOOP("BigCharts", "Blue & white"), "340"},
                 {QT_TRANSLATE_NOOP("BigCharts", "Black"), "350"},
                 {QT_TRANSLATE_NOOP("BigCharts", "Globe"), "360"},
                 {QT_TRANSLATE_NOOP("BigCharts", "Graph paper"), "370"},
                 {QT_TRANSLATE_NOOP("BigCharts", "Blue"), "380"})
TICKVANE_OPTIONS(MoveAvg, {QT_TRANSLATE_NOOP("BigCharts", "None"), "0"},
                 {QT_TRANSLATE_NOOP("BigCharts", "SMA"), "1"},
                 {QT_TRANSLATE_NOOP("BigCharts", "EMA"), "2"},
                 {QT_TRANSLATE_NOOP("BigCharts", "SMA (2-line)"), "3"},
                 {QT_TRANSLATE_NOOP("BigCharts", "SMA (3-line)"), "4"},
                 {QT_TRANSLATE_NOOP("BigCharts", "EMA (2-line)"), "5"},
                 {QT_TRANSLATE_NOOP("BigCharts", "EMA (3-line)"), "6"})
TICKVANE_OPTIONS(UpInd, {QT_TRANSLATE_NOOP("BigCharts", "None"), "0"},
                 {QT_TRANSLATE_NOOP("BigCharts", "MA Envelopes"), "4"},
                 {QT_TRANSLATE_NOOP("BigCharts", "Bollinger Bands"), "8"},
                 {QT_TRANSLATE_NOOP("BigCharts", "Parabolic SAR"), "16"},
                 {QT_TRANSLATE_NOOP("BigCharts", "Volume by Price"), "32"},
                 {QT_TRANSLATE_NOOP("BigCharts", "Price Channel"), "128"},
                 {QT_TRANSLATE_NOOP("BigCharts", "Show Splits"), "1024"},
                 {QT_TRANSLATE_NOOP("BigCharts", "Show Earnings"), "2048"},
                 {QT_TRANSLATE_NOOP("BigCharts", "Show Dividends"), "4096"},
                 {QT_TRANSLATE_NOOP("BigCharts", "Show All Events"), "7168"},
                 {QT_TRANSLATE_NOOP("BigCharts", "A/D Line"), "512"})
TICKVANE_OPTIONS(LowInd, {QT_TRANSLATE_NOOP("BigCharts", "None"), "0"},
                 {QT_TRANSLATE_NOOP("BigCharts", "Volume"), "1"},
                 {QT_TRANSLATE_NOOP("BigCharts", "Volume+"), "268435456"},
                 {QT_TRANSLATE_NOOP("BigCharts", "Relative Strength Index (RSI)"), "2"},
                 {QT_TRANSLATE_NOOP("BigCharts", "Moving Average Convergence/Divergence (MACD)"),
                  "4"},
                 {QT_TRANSLATE_NOOP("BigCharts", "On Balance Volume (OBV)"), "8"},
                 {QT_TRANSLATE_NOOP("BigCharts", "Fast Stochastic"), "16"},
                 {QT_TRANSLATE_NOOP("BigCharts", "Slow Stochasitc"), "32"},
                 {QT_TRANSLATE_NOOP("BigCharts", "Rate of Change (ROC)"), "128"},
                 {QT_TRANSLATE_NOOP("BigCharts", "Williams %R"), "256"},
                 {QT_TRANSLATE_NOOP("BigCharts", "Money Flow"), "512"},
                 {QT_TRANSLATE_NOOP("BigCharts", "Volume Accumulation"), "4096"},
                 {QT_TRANSLATE_NOOP("BigCharts", "Volatility Fast"), "8192"},
                 {QT_TRANSLATE_NOOP("BigCharts", "Volatility Slow"), "16384"},
                 {QT_TRANSLATE_NOOP("BigCharts", "Momentum"), "65536"},
                 {QT_TRANSLATE_NOOP("BigCharts", "Ultimate Oscillator"), "131072"},
                 {QT_TRANSLATE_NOOP("BigCharts", "% Short Interest"), "1073741824"},
                 {QT_TRANSLATE_NOOP("BigCharts", "Rolling EPS"), "67108864"},
                 {QT_TRANSLATE_NOOP("BigCharts", "P/E Ratio"), "16777216"},
                 {QT_TRANSLATE_NOOP("BigCharts", "P/E Ranges"), "8388608"},
                 {QT_TRANSLATE_NOOP("BigCharts", "Rolling Dividend"), "134217728"},
                 {QT_TRANSLATE_NOOP("BigCharts", "Yield"), "33554432"},
                 {QT_TRANSLATE_NOOP("BigCharts", "Up/Down Ratio"), "262144"},
                 {QT_TRANSLATE_NOOP("BigCharts", "Arms Index (TRIN)"), "524288"},
                 {QT_TRANSLATE_NOOP("BigCharts", "A/D Line (Breadth)"), "1048576"},
                 {QT_TRANSLATE_NOOP("BigCharts", "A/D Line (Daily)"), "2097152"},
                 {QT_TRANSLATE_NOOP("BigCharts", "% Compare"), "4194304"})

class BigChartsSite : public BuiltInSite {
  public:
    SiteId id() const override { return SiteId::BigCharts; }
    SettingFields fields(Model& model) const override;
    ChartAddress chartAddress(const Model& model) const override;
    const SiteDialog& dialog() const override;
    QString pageName() const override { return QStringLiteral("Bigcharts"); }
    bool scrollsChartFrame() const override { return false; }
    bool symbolOnNewLine() const override { return true; }
};

SettingFields BigChartsSite::fields(Model& model) const {
    BigChartsSettings& s = model.bigCharts;
    SettingFields fields{
        {QStringLiteral("TimePeriod"), &s.TimePeriod, &TimePeriod()},
        {QStringLiteral("Frequency"), &s.Frequency, &Frequency()},
        {QStringLiteral("CompIndex"), &s.CompIndex, &CompIndex()},
        {QStringLiteral("PlotSize"), &s.PlotSize, &PlotSize()},
        {QStringLiteral("PriceDisp"), &s.PriceDisp, &PriceDisp()},
        {QStringLiteral("ChartBkgrd"), &s.ChartBkgrd, &ChartBkgrd()},
        {QStringLiteral("MoveAvg"), &s.MoveAvg, &MoveAvg()},
        {QStringLiteral("UpInd"), &s.UpInd, &UpInd()},
    };
    AppendIndexed(fields, QStringLiteral("LowInd"), s.LowInd, &LowInd());
    fields.push_back({QStringLiteral("CompSym"), &s.CompSym});
    return fields;
}

constexpr char Host[] = "https://bigcharts.marketwatch.com";
constexpr std::array<const char*, 3> LowIndParameters{"&lf=", "&lf1=", "&lf2="};

ChartAddress BigChartsSite::chartAddress(const Model& model) const {
    const BigChartsSettings& s = model.bigCharts;
    const BigChartsSettings d;
    QString a = QString(Host) + "/intchart/frames/frames.asp?frames=1&time=";
    a += OptionCode(TimePeriod(), s.TimePeriod, d.TimePeriod);
    a += "&freq=";
    a += OptionCode(Frequency(), s.Frequency, d.Frequency);
    a += "&compidx=";
    a += OptionCode(CompIndex(), s.CompIndex, d.CompIndex);
    a += "&size=";
    a += OptionCode(PlotSize(), s.PlotSize, d.PlotSize);
    a += "&type=";
    a += OptionCode(PriceDisp(), s.PriceDisp, d.PriceDisp);
    a += "&style=";
    a += OptionCode(ChartBkgrd(), s.ChartBkgrd, d.ChartBkgrd);
    a += "&ma=";
    a += OptionCode(MoveAvg(), s.MoveAvg, d.MoveAvg);
    a += "&uf=";
    a += OptionCode(UpInd(), s.UpInd, d.UpInd);
    for (size_t slot = 0; slot < LowIndParameters.size(); ++slot) {
        a += QLatin1StringView(LowIndParameters[slot]);
        a += OptionCode(LowInd(), s.LowInd[slot], d.LowInd[slot]);
    }
    a += "&comp=" + (s.CompSym.isEmpty() ? QStringLiteral("NO_SYMBOL_CHOSEN") : s.CompSym);
    a += "&default=t&o_symb=";
    return ChartAddress{{a, QStringLiteral("&symb="), QString()}};
}

constexpr int ListWidth = 4200;  // wide enough for the longest lower indicator
constexpr int Right = 4920;      // left edge of the second column
constexpr int LongList = 22;     // item heights, the closed box included

constexpr DialogFrame Frames[] = {
    {QT_TRANSLATE_NOOP("BigCharts", "&Time Period"), Frame(180, 120, ListWidth)},
    {QT_TRANSLATE_NOOP("BigCharts", "Fre&quency"), Frame(180, 120 + FramePitch, ListWidth)},
    {QT_TRANSLATE_NOOP("BigCharts", "Comparison &Index"),
     Frame(180, 120 + 2 * FramePitch, ListWidth)},
    {QT_TRANSLATE_NOOP("BigCharts", "Plot &Size"), Frame(180, 120 + 3 * FramePitch, ListWidth)},
    {QT_TRANSLATE_NOOP("BigCharts", "&Price display"), Frame(180, 120 + 4 * FramePitch, ListWidth)},
    {QT_TRANSLATE_NOOP("BigCharts", "Chart &background"),
     Frame(180, 120 + 5 * FramePitch, ListWidth)},
    {QT_TRANSLATE_NOOP("BigCharts", "&Moving averages"), Frame(Right, 120, ListWidth)},
    {QT_TRANSLATE_NOOP("BigCharts", "&Upper indicator"), Frame(Right, 120 + FramePitch, ListWidth)},
    {QT_TRANSLATE_NOOP("BigCharts", "&First lower indicator"),
     Frame(Right, 120 + 2 * FramePitch, ListWidth)},
    {QT_TRANSLATE_NOOP("BigCharts", "Second &lower indicator"),
     Frame(Right, 120 + 3 * FramePitch, ListWidth)},
    {QT_TRANSLATE_NOOP("BigCharts", "T&hird lower indicator"),
     Frame(Right, 120 + 4 * FramePitch, ListWidth)},
    {QT_TRANSLATE_NOOP("BigCharts", "Comparison s&ymbol"),
     Frame(Right, 120 + 5 * FramePitch, ListWidth)},
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

const SiteDialog& BigChartsSite::dialog() const {
    static constexpr SiteDialog description{
        "BigCharts",
        QT_TRANSLATE_NOOP("BigCharts", "BigCharts Options"),
        9660,
        5412,
        CancelButton(9480, 4860),
        DoneButton(9480, 4860),
        QT_TRANSLATE_NOOP("BigCharts", "Cancel changes"),
        Frames,
        Controls,
    };
    return description;
}

}  // namespace

const BuiltInSite& BuiltInBigCharts() {
    static const BigChartsSite site;
    return site;
}

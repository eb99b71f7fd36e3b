#include "sites/ChartSite.h"
#include "sites/DialogGrid.h"
#include "sites/OptionCode.h"

namespace {
using namespace DialogGrid;

TICKVANE_OPTIONS(TimePeriod, {"1 day", "1"}, {"2 days", "2"}, {"5 days", "3"}, {"10 days", "18"},
                 {"1 month", "4"}, {"2 months", "5"}, {"3 months", "6"}, {"6 months", "7"},
                 {"Year to date", "19"}, {"1 year", "8"}, {"2 years", "9"}, {"3 years", "10"},
                 {"4 years", "11"}, {"5 years", "12"}, {"Decade", "13"}, {"All data", "20"})
TICKVANE_OPTIONS(Frequency, {"Every minute", "9"}, {"Every 5 minutes", "6"},
                 {"Every 15 minutes", "7"}, {"Hourly", "8"}, {"Daily", "1"}, {"Weekly", "2"},
                 {"Monthly", "3"}, {"Quarterly", "4"}, {"Yearly", "5"})
TICKVANE_OPTIONS(CompIndex, {"None", ""}, {"S&P 500", "SP500%3A3377"},
                 {"Dow Industrials", "DJIA%3A1643"}, {"NASDAQ", "NASDAQ%3A3291"},
                 {"Russell 2000", "RUT%3A4166"}, {"AMEX Computer Technology Index", "XCI%3A565"},
                 {"AMEX Internet Index", "IIX%3A144590"},
                 {"AMEX Securities Brokers/Dealers", "XBD%3A12400"},
                 {"AMEX Oil Index", "XOI%3A567"}, {"PHLX Gold & Silver Index", "XAU%3A3599"},
                 {"Dow Jones Utilities Average", "DJUA%3A1645"},
                 {"Dow Jones Transportation Average", "DJTA%3A1644"},
                 {"AMEX Airline Index", "XAL%3A13882"})
TICKVANE_OPTIONS(PlotSize, {"Small", "1"}, {"Medium", "2"}, {"Large", "3"}, {"Big", "4"})
TICKVANE_OPTIONS(PriceDisp, {"Hide price", "1"}, {"HLC", "2"}, {"OHLC", "4"}, {"Candlestick", "8"},
                 {"Mountain", "16"}, {"Bar charts", "32"}, {"Dot", "64"}, {"Close", "128"},
                 {"Logarithmic", "256"})
TICKVANE_OPTIONS(ChartBkgrd, {"Default", "320"}, {"Black grids", "330"}, {"Blue & white", "340"},
                 {"Black", "350"}, {"Globe", "360"}, {"Graph paper", "370"}, {"Blue", "380"})
TICKVANE_OPTIONS(MoveAvg, {"None", "0"}, {"SMA", "1"}, {"EMA", "2"}, {"SMA (2-line)", "3"},
                 {"SMA (3-line)", "4"}, {"EMA (2-line)", "5"}, {"EMA (3-line)", "6"})
TICKVANE_OPTIONS(UpInd, {"None", "0"}, {"MA Envelopes", "4"}, {"Bollinger Bands", "8"},
                 {"Parabolic SAR", "16"}, {"Volume by Price", "32"}, {"Price Channel", "128"},
                 {"Show Splits", "1024"}, {"Show Earnings", "2048"}, {"Show Dividends", "4096"},
                 {"Show All Events", "7168"}, {"A/D Line", "512"})
TICKVANE_OPTIONS(LowInd, {"None", "0"}, {"Volume", "1"}, {"Volume+", "268435456"},
                 {"Relative Strength Index (RSI)", "2"},
                 {"Moving Average Convergence/Divergence (MACD)", "4"},
                 {"On Balance Volume (OBV)", "8"}, {"Fast Stochastic", "16"},
                 {"Slow Stochasitc", "32"}, {"Rate of Change (ROC)", "128"}, {"Williams %R", "256"},
                 {"Money Flow", "512"}, {"Volume Accumulation", "4096"},
                 {"Volatility Fast", "8192"}, {"Volatility Slow", "16384"}, {"Momentum", "65536"},
                 {"Ultimate Oscillator", "131072"}, {"% Short Interest", "1073741824"},
                 {"Rolling EPS", "67108864"}, {"P/E Ratio", "16777216"}, {"P/E Ranges", "8388608"},
                 {"Rolling Dividend", "134217728"}, {"Yield", "33554432"},
                 {"Up/Down Ratio", "262144"}, {"Arms Index (TRIN)", "524288"},
                 {"A/D Line (Breadth)", "1048576"}, {"A/D Line (Daily)", "2097152"},
                 {"% Compare", "4194304"})

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

}  // namespace

const BuiltInSite& BuiltInBigCharts() {
    static const BigChartsSite site;
    return site;
}

#include "sites/ChartSite.h"
#include "sites/DialogGrid.h"
#include "sites/OptionCode.h"

namespace {
using namespace DialogGrid;

TICKVANE_OPTIONS(PlotSize, {QT_TRANSLATE_NOOP("StockPoint", "Small (450x250)"), "450x250"},
                 {QT_TRANSLATE_NOOP("StockPoint", "Medium (500x300)"), "500x300"},
                 {QT_TRANSLATE_NOOP("StockPoint", "Large (600x400)"), "600x400"},
                 {QT_TRANSLATE_NOOP("StockPoint", "Larger (640x480)"), "640x480"},
                 {QT_TRANSLATE_NOOP("StockPoint", "Huge (800x600)"), "800x600"})
TICKVANE_OPTIONS(TimePeriod, {QT_TRANSLATE_NOOP("StockPoint", "1 day"), "d1"},
                 {QT_TRANSLATE_NOOP("StockPoint", "1 week"), "w1"},
                 {QT_TRANSLATE_NOOP("StockPoint", "1 month"), "m1"},
                 {QT_TRANSLATE_NOOP("StockPoint", "3 months"), "m3"},
                 {QT_TRANSLATE_NOOP("StockPoint", "6 months"), "m6"},
                 {QT_TRANSLATE_NOOP("StockPoint", "1 year"), "y1"},
                 {QT_TRANSLATE_NOOP("StockPoint", "3 years"), "y3"},
                 {QT_TRANSLATE_NOOP("StockPoint", "5 years"), "y5"})
TICKVANE_OPTIONS(PlotType, {QT_TRANSLATE_NOOP("StockPoint", "Line"), "line"},
                 {QT_TRANSLATE_NOOP("StockPoint", "Candlestick"), "candle"},
                 {QT_TRANSLATE_NOOP("StockPoint", "Range bar"), "range"})
TICKVANE_OPTIONS(CompIndex, {QT_TRANSLATE_NOOP("StockPoint", "None"), ""},
                 {QT_TRANSLATE_NOOP("StockPoint", "Dow Jones Industrials"), "%24INDU"},
                 {QT_TRANSLATE_NOOP("StockPoint", "S&P 500"), "%24SPX"},
                 {QT_TRANSLATE_NOOP("StockPoint", "NASDAQ"), "%24COMPQ"},
                 {QT_TRANSLATE_NOOP("StockPoint", "Russell 2000"), "%24RUT"},
                 {QT_TRANSLATE_NOOP("StockPoint", "NYSE Composite"), "%24NYA"},
                 {QT_TRANSLATE_NOOP("StockPoint", "DJ Transportation"), "%24TRAN"},
                 {QT_TRANSLATE_NOOP("StockPoint", "PSE Tech Index"), "%24PSE"})

class StockPointSite : public BuiltInSite {
  public:
    SiteId id() const override { return SiteId::StockPoint; }
    SettingFields fields(Model& model) const override;
    ChartAddress chartAddress(const Model& model) const override;
    const SiteDialog& dialog() const override;
};

SettingFields StockPointSite::fields(Model& model) const {
    StockPointSettings& s = model.stockPoint;
    SettingFields fields{
        {QStringLiteral("PlotSize"), &s.PlotSize, &PlotSize()},
        {QStringLiteral("TimePeriod"), &s.TimePeriod, &TimePeriod()},
        {QStringLiteral("PlotType"), &s.PlotType, &PlotType()},
        {QStringLiteral("CompIndex"), &s.CompIndex, &CompIndex()},
    };
    AppendIndexed(fields, QStringLiteral("CompSym"), s.CompSym);
    AppendIndexed(fields, QStringLiteral("MoveAvg"), s.MoveAvg);
    AppendIndexed(fields, QStringLiteral("Indicators"), s.Indicators);
    return fields;
}

constexpr char Host[] = "https://www.stockpoint.com";
constexpr std::array<const char*, 7> IndicatorPieces{"&ind1=boll",  "&ind2=rels", "&ind3=stoch",
                                                     "&ind4=obv",   "&ind5=proc", "&ind6=macd",
                                                     "&ind7=volume"};

// A moving average of no days or fewer leaves its parameter empty.
QString DaysOrNothing(qint16 days) {
    return days > 0 ? QString::number(days) : QString();
}

ChartAddress StockPointSite::chartAddress(const Model& model) const {
    const StockPointSettings& s = model.stockPoint;
    const StockPointSettings defaults;
    QString rest = QStringLiteral("&RepeatChart=1&sym3=") + s.CompSym[0];
    rest += "&sym4=" + s.CompSym[1];
    rest += "&sym5=" + s.CompSym[2];
    rest += "&sym2=";
    rest += OptionCode(CompIndex(), s.CompIndex, defaults.CompIndex);
    rest += "&size=";
    rest += OptionCode(PlotSize(), s.PlotSize, defaults.PlotSize);
    rest += "&dRange=";
    rest += OptionCode(TimePeriod(), s.TimePeriod, defaults.TimePeriod);
    rest += "&PlotType=";
    rest += OptionCode(PlotType(), s.PlotType, defaults.PlotType);
    for (size_t i = 0; i < IndicatorPieces.size(); ++i) {
        if (s.Indicators[i] != 0) {
            rest += QLatin1StringView(IndicatorPieces[i]);
        }
    }
    rest += "&avg1=" + DaysOrNothing(s.MoveAvg[0]);
    rest += "&avg2=" + DaysOrNothing(s.MoveAvg[1]);
    return ChartAddress{{QString(Host) + "/quote.asp?Mode=CHART&Symbol=", rest}};
}

constexpr int ListWidth = 2100;
constexpr int CheckWidth = 2640;
constexpr int BoxWidth = 1920;

constexpr DialogFrame Frames[] = {
    {QT_TRANSLATE_NOOP("StockPoint", "Plot &Size"), Frame(120, 120, ListWidth)},
    {QT_TRANSLATE_NOOP("StockPoint", "&Time Period"), Frame(120, 120 + FramePitch, ListWidth)},
    {QT_TRANSLATE_NOOP("StockPoint", "&Plot Type"), Frame(120, 120 + 2 * FramePitch, ListWidth)},
    {QT_TRANSLATE_NOOP("StockPoint", "Comparison &Index"),
     Frame(120, 120 + 3 * FramePitch, ListWidth)},
    {QT_TRANSLATE_NOOP("StockPoint", "Indicators"), {2700, 120, 3000, 3000}},
    {QT_TRANSLATE_NOOP("StockPoint", "Comparison s&ymbols"),
     {5820, 120, BoxWidth + 2 * FieldLeft, 1500}},
    {QT_TRANSLATE_NOOP("StockPoint", "&Moving averages (days)"),
     {5820, 1740, BoxWidth + 2 * FieldLeft, 1380}},
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
    {"BollBand", Check, "Indicators0", 4, IndicatorRow(0),
     QT_TRANSLATE_NOOP("StockPoint", "&Bollinger bands")},
    {"RelStr", Check, "Indicators1", 4, IndicatorRow(1),
     QT_TRANSLATE_NOOP("StockPoint", "&Relative strength")},
    {"Stochastics", Check, "Indicators2", 4, IndicatorRow(2),
     QT_TRANSLATE_NOOP("StockPoint", "Stoc&hastics")},
    {"BalVol", Check, "Indicators3", 4, IndicatorRow(3),
     QT_TRANSLATE_NOOP("StockPoint", "&On balance volume")},
    {"RateChange", Check, "Indicators4", 4, IndicatorRow(4),
     QT_TRANSLATE_NOOP("StockPoint", "Price rate of chan&ge")},
    {"MovingAvg", Check, "Indicators5", 4, IndicatorRow(5),
     QT_TRANSLATE_NOOP("StockPoint", "Moving &average conv/div")},
    {"Volume", Check, "Indicators6", 4, IndicatorRow(6),
     QT_TRANSLATE_NOOP("StockPoint", "&Volume")},
    {"Comp1", Symbol, "CompSym0", 5, FieldRow(0, BoxWidth)},
    {"Comp2", Symbol, "CompSym1", 5, FieldRow(1, BoxWidth)},
    {"Comp3", Symbol, "CompSym2", 5, FieldRow(2, BoxWidth)},
    {"Avg1", Days, "MoveAvg0", 6, FieldRow(0, BoxWidth)},
    {"Avg2", Days, "MoveAvg1", 6, FieldRow(1, BoxWidth)},
};

const SiteDialog& StockPointSite::dialog() const {
    static constexpr SiteDialog description{
        "StockPoint",
        QT_TRANSLATE_NOOP("StockPoint", "StockPoint Options"),
        8220,
        3852,
        CancelButton(8100, 3300),
        DoneButton(8100, 3300),
        QT_TRANSLATE_NOOP("StockPoint", "Cancel changes"),
        Frames,
        Controls,
        QT_TRANSLATE_NOOP("StockPoint", "Times for moving averages must be numeric"),
    };
    return description;
}

}  // namespace

const BuiltInSite& BuiltInStockPoint() {
    static const StockPointSite site;
    return site;
}

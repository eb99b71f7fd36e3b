#include "model/OptionTables.h"
#include "sites/OptionCode.h"
#include "sites/StockPoint.h"

namespace {
constexpr char Host[] = "https://www.stockpoint.com";
constexpr std::array<const char*, 5> PlotSizeCodes{"450x250", "500x300", "600x400", "640x480",
                                                   "800x600"};
constexpr std::array<const char*, 3> PlotTypeCodes{"line", "candle", "range"};
constexpr std::array<const char*, 8> CompIndexCodes{"",       "%24INDU", "%24SPX",  "%24COMPQ",
                                                    "%24RUT", "%24NYA",  "%24TRAN", "%24PSE"};
constexpr std::array<const char*, 7> IndicatorPieces{"&ind1=boll",  "&ind2=rels", "&ind3=stoch",
                                                     "&ind4=obv",   "&ind5=proc", "&ind6=macd",
                                                     "&ind7=volume"};

// A moving average of no days or fewer leaves its parameter empty.
QString DaysOrNothing(qint16 days) {
    return days > 0 ? QString::number(days) : QString();
}
}  // namespace

// The time code is read from the label: its third character, then its first ("1 week" -> "w1").
ChartAddress StockPointSite::chartAddress(const Model& model) const {
    using namespace StockPointTables;
    const StockPointSettings& s = model.stockPoint;
    const StockPointSettings defaults;
    const QString& period =
        TimePeriod().label(ValidSelection(s.TimePeriod, TimePeriod(), defaults.TimePeriod));
    QString rest = QStringLiteral("&RepeatChart=1&sym3=") + s.CompSym[0];
    rest += "&sym4=" + s.CompSym[1];
    rest += "&sym5=" + s.CompSym[2];
    rest += "&sym2=";
    rest += OptionCode(CompIndexCodes, CompIndex(), s.CompIndex, defaults.CompIndex);
    rest += "&size=";
    rest += OptionCode(PlotSizeCodes, PlotSize(), s.PlotSize, defaults.PlotSize);
    rest += "&dRange=";
    rest += period[2];
    rest += period[0];
    rest += "&PlotType=";
    rest += OptionCode(PlotTypeCodes, PlotType(), s.PlotType, defaults.PlotType);
    for (size_t i = 0; i < IndicatorPieces.size(); ++i) {
        if (s.Indicators[i] != 0) {
            rest += QLatin1StringView(IndicatorPieces[i]);
        }
    }
    rest += "&avg1=" + DaysOrNothing(s.MoveAvg[0]);
    rest += "&avg2=" + DaysOrNothing(s.MoveAvg[1]);
    return ChartAddress{{QString(Host) + "/quote.asp?Mode=CHART&Symbol=", rest}};
}

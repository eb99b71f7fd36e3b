#include "model/OptionTables.h"
#include "sites/BigCharts.h"

SettingFields BigChartsSite::fields(Model& model) const {
    using namespace BigChartsTables;
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

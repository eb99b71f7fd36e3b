#include "model/OptionTables.h"
#include "sites/StockPoint.h"

SettingFields StockPointSite::fields(Model& model) const {
    using namespace StockPointTables;
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

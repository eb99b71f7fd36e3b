#include "model/OptionTables.h"
#include "sites/StockMaster.h"

SettingFields StockMasterSite::fields(Model& model) const {
    using namespace StockMasterTables;
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

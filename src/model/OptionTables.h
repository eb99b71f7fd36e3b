#pragma once

#include "model/OptionTable.h"

// The option tables of the four chart sites' dialogs. The labels are shown to the user and
// some sites derive address codes from their characters, so they stay exactly as they are.
namespace BigChartsTables {
const OptionTable& TimePeriod();
const OptionTable& Frequency();
const OptionTable& CompIndex();
const OptionTable& PlotSize();
const OptionTable& PriceDisp();
const OptionTable& ChartBkgrd();
const OptionTable& MoveAvg();
const OptionTable& UpInd();
const OptionTable& LowInd();  // shared by the three lower-indicator slots
}  // namespace BigChartsTables

namespace StockMasterTables {
const OptionTable& Time();
const OptionTable& PlotType();
const OptionTable& Scale();
const OptionTable& Quote();
const OptionTable& CompIndex();
const OptionTable& MoveAvg();  // shared by MoveAvg1 and MoveAvg2
const OptionTable& UpInd();
const OptionTable& LowInd();
const OptionTable& PriceDisp();
const OptionTable& ChartSize();
const OptionTable& MenuType();
}  // namespace StockMasterTables

namespace StockPointTables {
const OptionTable& PlotSize();
const OptionTable& TimePeriod();
const OptionTable& PlotType();
const OptionTable& CompIndex();
}  // namespace StockPointTables

namespace YahooTables {
const OptionTable& ViewType();
const OptionTable& TimePeriod();
}  // namespace YahooTables

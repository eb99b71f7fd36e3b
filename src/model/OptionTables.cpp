#include "model/OptionTables.h"

#define TICKVANE_TABLE(name, ...)                    \
    const OptionTable& name() {                      \
        static const OptionTable table{__VA_ARGS__}; \
        return table;                                \
    }

namespace BigChartsTables {
TICKVANE_TABLE(TimePeriod, "1 day", "2 days", "5 days", "10 days", "1 month", "2 months",
               "3 months", "6 months", "Year to date", "1 year", "2 years", "3 years", "4 years",
               "5 years", "Decade", "All data")
TICKVANE_TABLE(Frequency, "Every minute", "Every 5 minutes", "Every 15 minutes", "Hourly", "Daily",
               "Weekly", "Monthly", "Quarterly", "Yearly")
TICKVANE_TABLE(CompIndex, "None", "S&P 500", "Dow Industrials", "NASDAQ", "Russell 2000",
               "AMEX Computer Technology Index", "AMEX Internet Index",
               "AMEX Securities Brokers/Dealers", "AMEX Oil Index", "PHLX Gold & Silver Index",
               "Dow Jones Utilities Average", "Dow Jones Transportation Average",
               "AMEX Airline Index")
TICKVANE_TABLE(PlotSize, "Small", "Medium", "Large", "Big")
TICKVANE_TABLE(PriceDisp, "Hide price", "HLC", "OHLC", "Candlestick", "Mountain", "Bar charts",
               "Dot", "Close", "Logarithmic")
TICKVANE_TABLE(ChartBkgrd, "Default", "Black grids", "Blue & white", "Black", "Globe",
               "Graph paper", "Blue")
TICKVANE_TABLE(MoveAvg, "None", "SMA", "EMA", "SMA (2-line)", "SMA (3-line)", "EMA (2-line)",
               "EMA (3-line)")
TICKVANE_TABLE(UpInd, "None", "MA Envelopes", "Bollinger Bands", "Parabolic SAR", "Volume by Price",
               "Price Channel", "Show Splits", "Show Earnings", "Show Dividends", "Show All Events",
               "A/D Line")
TICKVANE_TABLE(LowInd, "None", "Volume", "Volume+", "Relative Strength Index (RSI)",
               "Moving Average Convergence/Divergence (MACD)", "On Balance Volume (OBV)",
               "Fast Stochastic", "Slow Stochasitc", "Rate of Change (ROC)", "Williams %R",
               "Money Flow", "Volume Accumulation", "Volatility Fast", "Volatility Slow",
               "Momentum", "Ultimate Oscillator", "% Short Interest", "Rolling EPS", "P/E Ratio",
               "P/E Ranges", "Rolling Dividend", "Yield", "Up/Down Ratio", "Arms Index (TRIN)",
               "A/D Line (Breadth)", "A/D Line (Daily)", "% Compare")
}  // namespace BigChartsTables

namespace StockMasterTables {
TICKVANE_TABLE(Time, "1 month", "2 months", "3 months", "6 months", "YTD", "1 year", "2 years",
               "3 years", "5 years", "10 years")
TICKVANE_TABLE(PlotType, "Price", "% change")
TICKVANE_TABLE(Scale, "Linear", "Log", "Log+")
TICKVANE_TABLE(Quote, "Short", "Basic", "Detailed")
TICKVANE_TABLE(CompIndex, "None", "S&P 500", "Dow Industrials", "NASDAQ", "TSE 300")
TICKVANE_TABLE(MoveAvg, "None", "EMA-5", "EMA-12", "EMA-13", "EMA-20", "EMA-26", "EMA-50",
               "EMA-200", "SMA-5", "SMA-12", "SMA-13", "SMA-20", "SMA-26", "SMA-50", "SMA-200")
TICKVANE_TABLE(UpInd, "None", "MA envelopes", "Bollinger bands", "Volume by price")
TICKVANE_TABLE(LowInd, "None", "Volume", "Volume+", "MACD", "OBV", "Momentum", "Williams %R", "RSI",
               "Fast stochastic", "Slow stochastic")
TICKVANE_TABLE(PriceDisp, "OHLC", "Close", "HLC", "Mountains", "Points", "Steps", "Candles",
               "Candles+")
TICKVANE_TABLE(ChartSize, "Short", "Default", "Tall", "Wide", "Huge", "2 column", "3 column",
               "Stacked")
TICKVANE_TABLE(MenuType, "Basic", "Comparison", "Technical", "Everything")
}  // namespace StockMasterTables

namespace StockPointTables {
TICKVANE_TABLE(PlotSize, "Small (450x250)", "Medium (500x300)", "Large (600x400)",
               "Larger (640x480)", "Huge (800x600)")
TICKVANE_TABLE(TimePeriod, "1 day", "1 week", "1 month", "3 months", "6 months", "1 year",
               "3 years", "5 years")
TICKVANE_TABLE(PlotType, "Line", "Candlestick", "Range bar")
TICKVANE_TABLE(CompIndex, "None", "Dow Jones Industrials", "S&P 500", "NASDAQ", "Russell 2000",
               "NYSE Composite", "DJ Transportation", "PSE Tech Index")
}  // namespace StockPointTables

namespace YahooTables {
TICKVANE_TABLE(ViewType, "Basic", "vs S&P 500", "Moving Average")
TICKVANE_TABLE(TimePeriod, "1 day", "5 days", "3 months", "1 year", "2 years", "5 years")
}  // namespace YahooTables

#pragma once

#include <QString>
#include <QtGlobal>
#include <array>

// The chart options of each site. Field names are the keys of the site's store section;
// selections are indexes into the option tables of the site's file under sites/.

struct BigChartsSettings {
    qint16 TimePeriod = 2;
    qint16 Frequency = 3;
    qint16 CompIndex = 0;
    qint16 PlotSize = 0;
    qint16 PriceDisp = 2;
    qint16 ChartBkgrd = 0;
    qint16 MoveAvg = 0;
    qint16 UpInd = 0;
    std::array<qint16, 3> LowInd{1, 0, 0};  // keys LowInd0..LowInd2
    QString CompSym;

    bool operator==(const BigChartsSettings&) const = default;
};

struct StockMasterSettings {
    qint16 Time = 0;
    qint16 PlotType = 0;
    qint16 Scale = 0;
    qint16 Quote = 0;
    qint16 CompIndex = 0;
    qint16 MoveAvg1 = 0;
    qint16 MoveAvg2 = 0;
    qint16 UpInd = 0;
    qint16 LowInd = 0;
    qint16 PriceDisp = 0;
    qint16 ChartSize = 1;
    qint16 MenuType = 0;
    bool Decimals = false;
    bool Splits = false;
    bool HiLow = false;
    std::array<QString, 5> CompSym;  // keys CompSym0..CompSym4

    bool operator==(const StockMasterSettings&) const = default;
};

struct StockPointSettings {
    qint16 PlotSize = 1;
    qint16 TimePeriod = 1;
    qint16 PlotType = 0;
    qint16 CompIndex = 0;
    std::array<QString, 3> CompSym;                         // keys CompSym0..CompSym2
    std::array<qint16, 2> MoveAvg{0, 0};                    // keys MoveAvg0, MoveAvg1 (days)
    std::array<qint16, 7> Indicators{0, 0, 0, 0, 0, 0, 1};  // keys Indicators0..6

    bool operator==(const StockPointSettings&) const = default;
};

struct YahooSettings {
    qint16 ViewType = 0;
    qint16 TimePeriod = 1;

    bool operator==(const YahooSettings&) const = default;
};

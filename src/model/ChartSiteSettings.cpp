#include "model/ChartSiteSettings.h"

const OptionTable& SymbolsFromTable() {
    static const OptionTable table{"Stock symbol", "BigCharts symbol", "StockMaster symbol",
                                   "StockPoint symbol", "Yahoo symbol"};
    return table;
}

const OptionTable& DisplayTable() {
    static const OptionTable table{"In the chart frame", "In one new window",
                                   "In a new tab each time"};
    return table;
}

const char* DisplayTarget(qint16 display) {
    switch (display) {
        case 1:
            return "new";
        case 2:
            return "_blank";
        default:
            return "right";
    }
}

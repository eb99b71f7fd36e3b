#pragma once

#include "model/GeneralSettings.h"
#include "model/StockList.h"

#include <QString>
#include <array>

// The four chart sites, always in this order: it governs the enable flags, the alternate
// symbols, the order of page generation and the "Other sites" links.
enum class SiteId { BigCharts = 0, StockMaster = 1, StockPoint = 2, Yahoo = 3 };

inline constexpr std::array<SiteId, 4> AllSites{SiteId::BigCharts, SiteId::StockMaster,
                                                SiteId::StockPoint, SiteId::Yahoo};

struct SiteInfo {
    SiteId id;
    QString name;      // dialog, store section and other-site link text, e.g. "BigCharts"
    QString fileName;  // SiteFileName, e.g. "bigcharts"
    bool GeneralSettings::*enable;
    QString StockRecord::*alternate;
    // What the windows call the site, each with the access key it has there; the widgets'
    // object names derive from `name` and `code`.
    const char* code;           // "BC", the ending of Alt_BC and of the start button Start_BC
    const char* menuCaption;    // the Options menu's item of its dialog: "&BigCharts"
    const char* enableCaption;  // General options' box that enables it: "&Big Charts"
    const char* startCaption;   // General options' start page button: "B&ig Charts"
    const char* symbolCaption;  // the stock editor's alternate symbol: "Symbol at &Big Charts"
};

const SiteInfo& Site(SiteId id);

// The site's alternate symbol when it is not empty, otherwise the default symbol.
const QString& SiteSymbol(const StockRecord& stock, SiteId site);

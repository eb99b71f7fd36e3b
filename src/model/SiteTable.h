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
};

const SiteInfo& Site(SiteId id);

// The site's alternate symbol when it is not empty, otherwise the default symbol.
const QString& SiteSymbol(const StockRecord& stock, SiteId site);

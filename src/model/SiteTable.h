#pragma once

#include "model/SymbolForms.h"

#include <QString>
#include <array>

// The built-in chart sites, one row each, always in this order: it governs the enable flags,
// the alternate symbols, the order of page generation and the "Other sites" links. A row holds
// the site's name (its dialog, store section and other-site link text, and sites/<name>.cpp,
// the file that holds the rest of it), its page file name, its code (the ending of Alt_BC and
// of the start button Start_BC), then what the windows call it, each with the access key it
// has there: the Options menu's item of its dialog, the general options' box that enables it,
// their start page button, and the stock editor's alternate symbol (translated there). Last comes
// the preset of symbol forms (model/SymbolForms.h) its table starts with, or "" for an empty one.
#define TICKVANE_BUILT_IN_SITES(ROW)                                                      \
    ROW(BigCharts, "bigcharts", "BC", "&BigCharts", "&Big Charts", "B&ig Charts",         \
        QT_TRANSLATE_NOOP("StockEditor", "Symbol at &Big Charts"), "")                    \
    ROW(StockMaster, "stockmaster", "SM", "Stock&Master", "Stock&Master", "StockM&aster", \
        QT_TRANSLATE_NOOP("StockEditor", "Symbol at Stock&Master"), "")                   \
    ROW(StockPoint, "stockpoint", "SP", "Stock&Point", "Stock&Point", "StockP&oint",      \
        QT_TRANSLATE_NOOP("StockEditor", "Symbol at Stock&Point"), "")                    \
    ROW(Yahoo, "yahoo", "YH", "&Yahoo", "&Yahoo", "Ya&hoo",                               \
        QT_TRANSLATE_NOOP("StockEditor", "Symbol at &Yahoo"), "Yahoo")

#define TICKVANE_SITE_ID(name, ...) name,
enum class SiteId { TICKVANE_BUILT_IN_SITES(TICKVANE_SITE_ID) };
#undef TICKVANE_SITE_ID

#define TICKVANE_SITE_COUNT(...) +1
inline constexpr size_t SiteCount = 0 TICKVANE_BUILT_IN_SITES(TICKVANE_SITE_COUNT);
#undef TICKVANE_SITE_COUNT

inline constexpr std::array<SiteId, SiteCount> AllSites = [] {
    std::array<SiteId, SiteCount> all{};
    for (size_t n = 0; n < SiteCount; ++n) {
        all[n] = SiteId(n);
    }
    return all;
}();

// An array with one element per built-in site, indexed by SiteId.
template <typename T>
using PerSite = std::array<T, SiteCount>;

template <typename T>
T& ForSite(PerSite<T>& values, SiteId id) {
    return values[static_cast<size_t>(id)];
}
template <typename T>
const T& ForSite(const PerSite<T>& values, SiteId id) {
    return values[static_cast<size_t>(id)];
}

// A row of the table; the widgets' object names derive from `name` and `code`.
struct SiteInfo {
    SiteId id;
    QString name;      // "BigCharts"
    QString fileName;  // SiteFileName, "bigcharts"
    const char* code;  // "BC"
    const char* menuCaption;
    const char* enableCaption;
    const char* startCaption;
    const char* symbolCaption;
    const char* formsPreset;
};

const SiteInfo& Site(SiteId id);

// The store key of the site's enable flag ("BigCharts_enable"); its alternate symbols' record
// field is "Alt_" and its code ("Alt_BC").
QString SiteEnableKey(SiteId id);

// The table of symbol forms the site starts with, and is stored only when it differs from.
const SymbolForms& UsualSymbolForms(SiteId id);

struct StockRecord;

// The site's alternate symbol when it is not empty, otherwise the default symbol.
const QString& SiteSymbol(const StockRecord& stock, SiteId site);

#include "model/ChartSitePresets.h"

#include "model/ChartSiteRules.h"

namespace {
constexpr ChartSitePreset Presets[] = {
    {"Yahoo Finance", "https://finance.yahoo.com/quote/{symbol}/", 3, "Yahoo"},
    {"TradingView", "https://www.tradingview.com/chart/?symbol={symbol}", -1, "TradingView"},
    {"Google Finance", "https://www.google.com/finance/quote/{symbol}", -1, "Google Finance"},
    {"Finviz", "https://finviz.com/quote.ashx?t={symbol|dash}", -1, ""},
    {"StockCharts", "https://stockcharts.com/h-sc/ui?s={symbol}", -1, ""},
    {"MarketWatch", "https://www.marketwatch.com/investing/stock/{symbol|lower}", -1, ""},
    {"Barchart", "https://www.barchart.com/stocks/quotes/{symbol}/overview", -1, ""},
};
}  // namespace

std::span<const ChartSitePreset> ChartSitePresets() {
    return Presets;
}

ChartSiteSettings SiteFromPreset(const ChartSitePreset& preset,
                                 const std::vector<ChartSiteSettings>& sites) {
    std::vector<ChartSiteSettings> all = sites;
    ChartSiteSettings& site = all.emplace_back();
    site.Template = QString::fromLatin1(preset.addressTemplate);
    site.SymbolsFrom = preset.symbolsFrom;
    site.Display = 1;
    if (const auto* forms = SymbolFormsPresetNamed(QLatin1StringView(preset.formsPreset))) {
        site.Forms = forms->forms;
    }
    const QString name = QString::fromLatin1(preset.name);
    site.Name = name;
    for (int n = 2; !NameProblem(all, all.size() - 1).isEmpty(); ++n) {
        site.Name = name + u' ' + QString::number(n);
    }
    site.FileName = FreshFileName(site.Name, sites);
    return site;
}

#include "web/NavigationPage.h"

#include "model/LinkableAddress.h"
#include "web/HtmlColor.h"
#include "web/HtmlText.h"
#include "web/PageEnds.h"

#include <algorithm>
#include <string>
#include <vector>

namespace {
// What a stock row and a page hold beyond the chart addresses, generously.
constexpr size_t RowRoom = 256;
constexpr size_t PageRoom = 4096;

class NavigationPageWriter {
  public:
    NavigationPageWriter(const Model& model, const ChartSiteList& sites, const ChartSite& site)
        : model_(model),
          sites_(sites),
          site_(site),
          address_(site.chartAddress(model)),
          target_(DisplayTarget(site.display(model))),
          noLineWraps_(model.general.NoLineWraps) {
        // The address is the same for every row but for the symbol: escape it once.
        for (const QString& piece : address_.pieces()) {
            AppendHrefValue(chartPieces_.emplace_back(), piece);
            addressLength_ += chartPieces_.back().size();
        }
    }

    std::string page() {
        // Room for every row up front: growing a large page copies it again and again.
        page_.reserve(static_cast<size_t>(model_.list.stockCount()) * (addressLength_ + RowRoom) +
                      PageRoom);
        writeHead();
        // A stored list is checked on loading; the bounds only keep a bad one inside the arrays.
        const int lastType = std::min<int>(model_.list.Maxtypes, TypeCapacity - 1);
        for (int t = 0; t <= lastType; ++t) {
            writeType(model_.list.types[t]);
        }
        WriteOtherSitesAndClose(page_, model_, sites_, site_);
        return std::move(page_);
    }

  private:
    void writeHead() {
        page_ += "<html><head><title>Stock charts from ";
        AppendHtmlText(page_, site_.pageName(), false);
        page_ += "</title></head><body" + BodyColors(model_.general).toStdString() + '>';
        AppendHtmlText(page_, QString(site_.pageName() + QStringLiteral(" charts")), noLineWraps_);
        page_ += "<br><hr>";
        page_ += LineEnd;
    }

    void writeType(const TypeRecord& type) {
        page_ += "<table border=0 cellspacing=0 cellpadding=0><tr><td>";
        page_ += LineEnd;
        AppendHtmlText(page_, type.Type, noLineWraps_);
        page_ += "</td></tr>";
        page_ += LineEnd;
        const int last = std::min<int>(type.Histock, StockCapacity - 1);
        for (int i = std::max<int>(type.Lowstock, 0); i <= last; ++i) {
            writeStock(model_.list.stocks[i]);
        }
        page_ += "</table><hr>";
        page_ += LineEnd;
    }

    // The chart address of `symbol`. Each gap's form of the symbol is made once for the gaps
    // in a row that put it in the same way.
    void writeChartAddress(const QString& symbol) {
        page_ += chartPieces_.front();
        for (size_t k = 1; k < chartPieces_.size(); ++k) {
            const SymbolSlot& slot = address_.slot(qsizetype(k) - 1);
            if (k == 1 || !(slot == address_.slot(qsizetype(k) - 2))) {
                symbolHref_.clear();
                AppendHrefValue(symbolHref_, slot.apply(symbol));
            }
            page_ += symbolHref_;
            page_ += chartPieces_[k];
        }
    }

    void writeStock(const StockRecord& stock) {
        const QString& symbol = site_.symbol(stock);
        page_ += "<tr><td><a target=\"";
        page_ += target_;
        page_ += "\" href=\"";
        writeChartAddress(symbol);
        page_ += "\">";
        if (site_.symbolOnNewLine()) {
            page_ += LineEnd;
        }
        AppendHtmlText(page_, symbol, false);
        page_ += "</a><font size=\"-2\">";
        page_ += LinkSeparator(noLineWraps_);
        const bool homePageLink = !stock.URL.isEmpty() && IsLinkableAddress(stock.URL);
        if (homePageLink) {
            page_ += "<a target=\"right\" href=\"";
            AppendHrefValue(page_, stock.URL);
            page_ += "\">";
        }
        AppendHtmlText(page_, stock.Description, noLineWraps_);
        page_ += "</font>";
        page_ += LineEnd;
        if (homePageLink) {
            page_ += "</a>";
            page_ += LineEnd;
        }
        page_ += "</td></tr>";
        page_ += LineEnd;
    }

    const Model& model_;
    const ChartSiteList& sites_;
    const ChartSite& site_;
    const ChartAddress address_;
    const char* const target_;
    const bool noLineWraps_;
    std::vector<std::string> chartPieces_;  // never empty
    size_t addressLength_ = 0;
    std::string symbolHref_;
    std::string page_;
};
}  // namespace

std::string NavigationPage(const Model& model, const ChartSiteList& sites, const ChartSite& site) {
    return NavigationPageWriter(model, sites, site).page();
}

#include "web/NavigationPage.h"

#include "model/ListSpans.h"
#include "sites/SiteSymbols.h"
#include "web/ChartHref.h"
#include "web/HtmlColor.h"
#include "web/HtmlText.h"
#include "web/PageEnds.h"

#include <string>

namespace {
// What a stock row and a page hold beyond the chart addresses, generously.
constexpr size_t RowRoom = 256;
constexpr size_t PageRoom = 4096;

class NavigationPageWriter {
  public:
    NavigationPageWriter(std::string& page, const Model& model, const ChartSiteList& sites,
                         const ChartSite& site, const StockRowEnds& rowEnds)
        : page_(page),
          model_(model),
          sites_(sites),
          site_(site),
          symbols_(site, model),
          rowEnds_(rowEnds),
          chartHref_(site.chartAddress(model)),
          noLineWraps_(model.general.NoLineWraps),
          linkStart_(std::string("<tr><td><a target=\"") + DisplayTarget(site.display(model)) +
                     "\" href=\""),
          linkTextStart_(site.symbolOnNewLine() ? std::string("\">") + LineEnd : "\">") {}

    void write() {
        // Room for every row up front: growing a large page copies it again and again.
        page_.clear();
        page_.reserve(static_cast<size_t>(model_.list.stockCount()) *
                          (chartHref_.fixedLength() + RowRoom) +
                      PageRoom);
        writeHead();
        for (const TypeRecord& type : TypesInUse(model_.list)) {
            writeType(type);
        }
        WriteOtherSitesAndClose(page_, model_, sites_, site_);
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
        for (const StockRecord& stock : StocksOf(model_.list, type)) {
            writeStock(stock);
        }
        page_ += "</table><hr>";
        page_ += LineEnd;
    }

    void writeStock(const StockRecord& stock) {
        const QString& symbol = symbols_.of(stock);
        page_ += linkStart_;
        chartHref_.append(page_, symbol);
        page_ += linkTextStart_;
        AppendHtmlText(page_, symbol, false);
        page_ += rowEnds_.of(size_t(&stock - model_.list.stocks.data()));
    }

    std::string& page_;
    const Model& model_;
    const ChartSiteList& sites_;
    const ChartSite& site_;
    const SiteSymbols symbols_;
    const StockRowEnds& rowEnds_;
    ChartHref chartHref_;
    const bool noLineWraps_;
    // What every row has before its chart address and between it and the symbol.
    const std::string linkStart_;
    const std::string linkTextStart_;
};
}  // namespace

void MakeNavigationPage(std::string& page, const Model& model, const ChartSiteList& sites,
                        const ChartSite& site, const StockRowEnds& rowEnds) {
    NavigationPageWriter(page, model, sites, site, rowEnds).write();
}

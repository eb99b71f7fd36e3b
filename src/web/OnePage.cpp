#include "web/OnePage.h"

#include "model/ListSpans.h"
#include "sites/SiteSymbols.h"
#include "web/ChartHref.h"
#include "web/HtmlColor.h"
#include "web/HtmlText.h"
#include "web/JsonText.h"
#include "web/OnePageAssets.h"
#include "web/PageEnds.h"

#include <algorithm>
#include <optional>
#include <span>
#include <string_view>
#include <vector>

namespace {
// What a stock adds beyond its texts and its plain link's address, and what a site adds,
// generously.
constexpr size_t StockRoom = 160;
constexpr size_t SiteRoom = 512;

// Appends `text` with its LF line ends as the page's CR LF.
void AppendLines(std::string& out, std::string_view text) {
    while (!text.empty()) {
        const size_t end = std::min(text.find('\n'), text.size());
        out.append(text.substr(0, end));
        out += LineEnd;
        text.remove_prefix(std::min(end + 1, text.size()));
    }
}

// How the script puts the symbol into a gap of the address: a letter for each filter in
// order, then "%" when the result is percent-encoded.
std::string SlotSteps(const SymbolSlot& slot) {
    std::string steps;
    for (const SymbolFilter filter : slot.filters) {
        switch (filter) {
            case SymbolFilter::Lower:
                steps += 'l';
                break;
            case SymbolFilter::Upper:
                steps += 'u';
                break;
            case SymbolFilter::Dash:
                steps += 'd';
                break;
        }
    }
    if (slot.percentEncoded) {
        steps += '%';
    }
    return steps;
}

class OnePageWriter {
  public:
    OnePageWriter(const Model& model, const ChartSiteList& sites) : model_(model) {
        std::copy_if(sites.begin(), sites.end(), std::back_inserter(sites_),
                     [&](const ChartSite* site) { return site->enabled(model); });
        const auto start = std::find_if(sites_.begin(), sites_.end(), [&](const ChartSite* site) {
            return site->fileName() == model.general.StartPage;
        });
        startSite_ = start != sites_.end() ? *start : sites_.empty() ? nullptr : sites_.front();
        for (const ChartSite* site : sites_) {
            symbols_.emplace_back(*site, model);
        }
        findFormedSites();
    }

    std::string page() {
        std::optional<ChartHref> plainLinks;
        if (startSite_) {
            plainLinks.emplace(startSite_->chartAddress(model_));
        }
        page_.reserve(size_t(model_.list.stockCount()) *
                          (StockRoom + (plainLinks ? plainLinks->fixedLength() : 0)) +
                      sites_.size() * SiteRoom + OnePageStyle.size() + OnePageScript.size());
        writeHead();
        writeTools();
        writePlainList(plainLinks ? &*plainLinks : nullptr);
        writeCustomLinks();
        line("</div>");
        line(R"(<iframe id="chart" name="right" title="Chart" src="blank.html"></iframe>)");
        writeData();
        line("<script>");
        AppendLines(page_, OnePageScript);
        line("</script>");
        line("</body>");
        line("</html>");
        return std::move(page_);
    }

  private:
    void line(std::string_view text) {
        page_ += text;
        page_ += LineEnd;
    }

    void writeHead() {
        line("<!DOCTYPE html>");
        const GeneralSettings& general = model_.general;
        page_ += R"(<html lang="en")";
        if (!general.UseBrowserColors) {
            page_ += R"( class="own" style="--bg:)" + HtmlColor(general.BackColor).toStdString() +
                     ";--fg:" + HtmlColor(general.TextColor).toStdString() + '"';
        }
        line(">");
        line("<head>");
        line(R"(<meta charset="utf-8">)");
        line(R"(<meta name="viewport" content="width=device-width, initial-scale=1">)");
        line("<title>Stock charts</title>");
        line("<style>");
        AppendLines(page_, OnePageStyle);
        line("</style>");
        line("<noscript><style>");
        AppendLines(page_, OnePageNoScriptStyle);
        line("</style></noscript>");
        line("</head>");
        line("<body>");
        line(R"(<div id="side">)");
    }

    void writeTools() {
        line(R"(<div id="tools">)");
        line(R"(<label class="unseen" for="filter">Filter the stocks</label>)");
        line(R"(<input id="filter" type="search" placeholder="Filter" autocomplete="off" )"
             R"(spellcheck="false" role="combobox" aria-controls="list" aria-expanded="true" )"
             R"(aria-autocomplete="list">)");
        line(R"(<label for="site">Chart site</label>)");
        line(R"(<select id="site">)");
        for (const ChartSite* site : sites_) {
            page_ += R"(<option value=")" + site->fileName().toStdString() + '"';
            page_ += site == startSite_ ? " selected>" : ">";
            AppendHtmlText(page_, site->name(), false);
            line("</option>");
        }
        line("</select>");
        line(R"(<div id="count" role="status"></div>)");
        line("</div>");
        line(R"(<div id="list" role="listbox" tabindex="0" aria-label="Stocks"></div>)");
    }

    // Every stock linked to its chart on the start page's site, as that site's navigation
    // page links it; without a site, every stock as plain text.
    void writePlainList(ChartHref* chartHref) {
        const std::string target =
            startSite_ ? DisplayTarget(startSite_->display(model_)) : std::string();
        line("<noscript>");
        for (const TypeRecord& type : TypesInUse(model_.list)) {
            page_ += "<h2>";
            AppendHtmlText(page_, type.Type, false);
            line("</h2>");
            line("<ul>");
            for (const StockRecord& stock : StocksOf(model_.list, type)) {
                const QString& symbol = startSite_ ? startSymbols().of(stock) : stock.Stock;
                page_ += "<li>";
                if (chartHref) {
                    page_ += R"(<a target=")" + target + R"(" href=")";
                    chartHref->append(page_, symbol);
                    page_ += R"(">)";
                }
                AppendHtmlText(page_, symbol, false);
                page_ += chartHref ? "</a> " : " ";
                AppendHtmlText(page_, stock.Description, false);
                line("</li>");
            }
            line("</ul>");
        }
        line("</noscript>");
    }

    void writeCustomLinks() {
        std::string links;
        WriteCustomLinks(links, model_);
        page_ += R"(<div id="custom">)";
        if (!links.empty()) {
            page_ += LineEnd;
            page_ += links;
        }
        line("</div>");
    }

    void writeData() {
        line(R"(<script type="application/json" id="stocks">)");
        line(R"({"sites":[)");
        for (size_t n = 0; n < sites_.size(); ++n) {
            writeSiteData(n);
            line(n + 1 < sites_.size() ? "," : "");
        }
        line(R"(],"types":[)");
        const auto types = TypesInUse(model_.list);
        for (size_t t = 0; t < types.size(); ++t) {
            page_ += '[';
            AppendJsonString(page_, types[t].Type);
            line(",[");
            const auto stocks = StocksOf(model_.list, types[t]);
            for (size_t i = 0; i < stocks.size(); ++i) {
                writeStockData(stocks[i]);
                line(i + 1 < stocks.size() ? "," : "");
            }
            line(t + 1 < types.size() ? "]]," : "]]");
        }
        line("]}");
        line("</script>");
    }

    void writeSiteData(size_t n) {
        const ChartSite& site = *sites_[n];
        const ChartHref href(site.chartAddress(model_));
        page_ += R"({"target":")";
        page_ += DisplayTarget(site.display(model_));
        page_ += R"(","from":)" + std::to_string(symbolColumn(n)) + R"(,"pieces":[)";
        for (size_t k = 0; k < href.pieces().size(); ++k) {
            page_ += k > 0 ? "," : "";
            AppendJsonString(page_, QString::fromLatin1(href.pieces()[k]));
        }
        page_ += R"(],"slots":[)";
        for (qsizetype k = 0; k + 1 < qsizetype(href.pieces().size()); ++k) {
            page_ += k > 0 ? ",\"" : "\"";
            page_ += SlotSteps(href.address().slot(k)) + '"';
        }
        page_ += "]}";
    }

    // The alternate symbols, then the symbols of each site that links a stock by its
    // exchange's symbol form (an empty one for the stock's own), each site in its own column;
    // those after the last one that is set are left off.
    void writeStockData(const StockRecord& stock) {
        page_ += '[';
        AppendJsonString(page_, stock.Stock);
        page_ += ',';
        AppendJsonString(page_, stock.Description);
        std::vector<QString> columns(stock.Alternates.begin(), stock.Alternates.end());
        for (const size_t n : formedSites_) {
            const QString& symbol = symbols_[n].of(stock);
            columns.push_back(symbol == stock.Stock ? QString() : symbol);
        }
        const auto set = std::find_if(columns.rbegin(), columns.rend(),
                                      [](const QString& column) { return !column.isEmpty(); });
        for (auto column = columns.begin(); column != set.base(); ++column) {
            page_ += ',';
            AppendJsonString(page_, *column);
        }
        page_ += ']';
    }

    // The sites that link some stock by its exchange's symbol form, by place in sites_.
    void findFormedSites() {
        for (size_t n = 0; n < sites_.size(); ++n) {
            const auto stocks =
                std::span(model_.list.stocks).first(size_t(model_.list.stockCount()));
            if (std::any_of(stocks.begin(), stocks.end(),
                            [&](const StockRecord& stock) { return symbols_[n].formed(stock); })) {
                formedSites_.push_back(n);
            }
        }
    }

    // Where the script finds a site's symbols: a column of its own when it links a stock by
    // a symbol form, otherwise the alternate symbols it uses or the stock's own (-1).
    qint16 symbolColumn(size_t site) const {
        const auto column = std::find(formedSites_.begin(), formedSites_.end(), site);
        return column == formedSites_.end()
                   ? sites_[site]->symbolsFrom()
                   : qint16(SiteCount + size_t(column - formedSites_.begin()));
    }

    const SiteSymbols& startSymbols() const {
        return symbols_[size_t(std::find(sites_.begin(), sites_.end(), startSite_) -
                               sites_.begin())];
    }

    const Model& model_;
    std::vector<const ChartSite*> sites_;
    const ChartSite* startSite_ = nullptr;
    std::vector<SiteSymbols> symbols_;  // one for each of sites_
    std::vector<size_t> formedSites_;
    std::string page_;
};
}  // namespace

std::string OnePage(const Model& model, const ChartSiteList& sites) {
    return OnePageWriter(model, sites).page();
}

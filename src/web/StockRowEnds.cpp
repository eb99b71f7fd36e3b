#include "web/StockRowEnds.h"

#include "model/LinkableAddress.h"
#include "model/ListSpans.h"
#include "web/HtmlText.h"
#include "web/PageEnds.h"

#include <algorithm>

namespace {
void appendRowEnd(std::string& out, const StockRecord& stock, bool noLineWraps) {
    out += "</a><font size=\"-2\">";
    out += LinkSeparator(noLineWraps);
    const bool homePageLink = !stock.URL.isEmpty() && IsLinkableAddress(stock.URL);
    if (homePageLink) {
        out += "<a target=\"right\" href=\"";
        AppendHrefValue(out, stock.URL);
        out += "\">";
    }
    AppendHtmlText(out, stock.Description, noLineWraps);
    out += "</font>";
    out += LineEnd;
    if (homePageLink) {
        out += "</a>";
        out += LineEnd;
    }
    out += "</td></tr>";
    out += LineEnd;
}

// Every stock a page visits, which in a list that passed the load's checks is every stock in
// use.
size_t visitedStocks(const StockList& list) {
    size_t count = 0;
    for (const TypeRecord& type : TypesInUse(list)) {
        const std::span<const StockRecord> stocks = StocksOf(list, type);
        if (!stocks.empty()) {
            count = std::max(count, size_t(&stocks.back() - list.stocks.data()) + 1);
        }
    }
    return count;
}
}  // namespace

StockRowEnds::StockRowEnds(const Model& model) {
    const StockList& list = model.list;
    const size_t count = visitedStocks(list);
    starts_.reserve(count + 1);
    for (size_t i = 0; i < count; ++i) {
        starts_.push_back(text_.size());
        appendRowEnd(text_, list.stocks[i], model.general.NoLineWraps);
    }
    starts_.push_back(text_.size());
}

std::string_view StockRowEnds::of(size_t i) const {
    return std::string_view(text_).substr(starts_[i], starts_[i + 1] - starts_[i]);
}

#include "sites/SiteSymbols.h"

#include "model/AddressTemplate.h"

SiteSymbols::SiteSymbols(const ChartSite& site, const Model& model) : from_(site.symbolsFrom()) {
    if (!AnyExchange(model.list)) {
        return;
    }
    for (const SymbolForm& form : site.symbolForms(model)) {
        if (auto parsed = ParseSymbolPattern(form.form, u"symbol form").address) {
            forms_.insert(form.exchange.toUpper(), std::move(*parsed));
        }
    }
}

std::optional<QString> SiteSymbols::formed(const StockRecord& stock) const {
    const bool alternate = from_ >= 0 && !ForSite(stock.Alternates, SiteId(from_)).isEmpty();
    if (alternate || stock.Exchange.isEmpty() || forms_.isEmpty()) {
        return std::nullopt;
    }
    const auto form = forms_.constFind(stock.Exchange.toUpper());
    if (form == forms_.constEnd()) {
        return std::nullopt;
    }
    return form->withFilteredSymbol(stock.Stock);
}

const QString& SiteSymbols::of(const StockRecord& stock) const {
    if (auto symbol = formed(stock)) {
        formed_ = std::move(*symbol);
        return formed_;
    }
    return from_ < 0 ? stock.Stock : SiteSymbol(stock, SiteId(from_));
}

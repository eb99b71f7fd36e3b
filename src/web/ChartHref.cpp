#include "web/ChartHref.h"

#include "web/HtmlText.h"

ChartHref::ChartHref(ChartAddress address) : address_(std::move(address)) {
    const QStringList& pieces = address_.pieces();
    for (qsizetype k = 0; k < pieces.size(); ++k) {
        AppendHrefValue(pieces_.emplace_back(), pieces[k]);
        AppendLiteralHrefValue(linkPieces_.emplace_back(), pieces[k], k + 1 < pieces.size());
        fixedLength_ += linkPieces_.back().size();
    }
}

// Each gap's form of the symbol is made once for the gaps in a row that put it in the same way.
void ChartHref::append(std::string& out, const QString& symbol) {
    out += linkPieces_.front();
    for (size_t k = 1; k < linkPieces_.size(); ++k) {
        const SymbolSlot& slot = address_.slot(qsizetype(k) - 1);
        if (k == 1 || !(slot == address_.slot(qsizetype(k) - 2))) {
            symbolHref_.clear();
            AppendHrefValue(symbolHref_, slot.apply(symbol));
        }
        out += symbolHref_;
        out += linkPieces_[k];
    }
}

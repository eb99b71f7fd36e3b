#include "web/NavigationPage.h"

#include "web/HtmlColor.h"
#include "web/HtmlText.h"
#include "web/PageEnds.h"

#include <algorithm>

namespace {
class NavigationPageWriter {
  public:
    NavigationPageWriter(const Model& model, const ChartSite& site)
        : model_(model), site_(site), noLineWraps_(model.general.NoLineWraps) {
        // The address is the same for every row but for the symbol: escape it once.
        for (const QString& piece : site.chartAddress(model).pieces) {
            chartPieces_.append(HrefValue(piece));
        }
    }

    QByteArray page() {
        writeHead();
        // A stored list is checked on loading; the bounds only keep a bad one inside the arrays.
        const int lastType = std::min<int>(model_.list.Maxtypes, TypeCapacity - 1);
        for (int t = 0; t <= lastType; ++t) {
            writeType(model_.list.types[t]);
        }
        WriteOtherSitesAndClose(page_, model_, site_.id());
        return page_;
    }

  private:
    void writeHead() {
        const QByteArray name = site_.pageName().toLatin1();
        page_ += "<html><head><title>Stock charts from " + name + "</title></head><body" +
                 BodyColors(model_.general) + '>' +
                 HtmlText(site_.pageName() + " charts", noLineWraps_) + "<br><hr>" + LineEnd;
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

    void writeStock(const StockRecord& stock) {
        const QString& symbol = SiteSymbol(stock, site_.id());
        symbolHref_.clear();
        AppendHrefValue(symbolHref_, symbol);
        page_ += "<tr><td><a target=\"right\" href=\"";
        page_ += chartPieces_.first();
        for (qsizetype k = 1; k < chartPieces_.size(); ++k) {
            page_ += symbolHref_;
            page_ += chartPieces_[k];
        }
        page_ += "\">";
        if (site_.symbolOnNewLine()) {
            page_ += LineEnd;
        }
        AppendHtmlText(page_, symbol, false);
        page_ += "</a><font size=\"-2\">";
        page_ += LinkSeparator(noLineWraps_);
        if (!stock.URL.isEmpty()) {
            page_ += "<a target=\"right\" href=\"";
            AppendHrefValue(page_, stock.URL);
            page_ += "\">";
        }
        AppendHtmlText(page_, stock.Description, noLineWraps_);
        page_ += "</font>";
        page_ += LineEnd;
        if (!stock.URL.isEmpty()) {
            page_ += "</a>";
            page_ += LineEnd;
        }
        page_ += "</td></tr>";
        page_ += LineEnd;
    }

    const Model& model_;
    const ChartSite& site_;
    const bool noLineWraps_;
    QByteArrayList chartPieces_;  // never empty
    QByteArray symbolHref_;
    QByteArray page_;
};
}  // namespace

QByteArray NavigationPage(const Model& model, const ChartSite& site) {
    return NavigationPageWriter(model, site).page();
}

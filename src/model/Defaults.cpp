#include "model/Model.h"

PerSite<SymbolForms> UsualSiteForms() {
    PerSite<SymbolForms> forms;
    for (SiteId id : AllSites) {
        ForSite(forms, id) = UsualSymbolForms(id);
    }
    return forms;
}

void ApplyDefaults(Model& model, const QString& htmlDir) {
    model.list.Maxtypes = -1;
    model.list.Maxstocks = -1;
    model.SettingsChanged = false;
    model.PagesGenerated = false;
    model.general = GeneralSettings{};
    model.general.HtmlDir = htmlDir;
    model.custom = {};
    model.bigCharts = BigChartsSettings{};
    model.stockMaster = StockMasterSettings{};
    model.stockPoint = StockPointSettings{};
    model.yahoo = YahooSettings{};
    model.siteDisplay = {};
    model.siteForms = UsualSiteForms();
    model.chartSites.clear();
}

namespace {
struct DefaultStock {
    qint16 type;
    const char* description;
    const char* symbol;
    const char* bigCharts;
    const char* stockMaster;
    const char* stockPoint;
    const char* yahoo;
    const char* homePage;
};

constexpr DefaultStock defaultStocks[] = {
    {0, "Dow Industrials", "DJIA", "", "I:INDU", "$INDU", "^DJI", ""},
    {0, "S&P 500", "SP500", "", "I:SPX", "$SPX", "^SPC", ""},
    {0, "NASDAQ", "COMP", "NASDAQ", "I:COMP", "$COMPQ", "^IXIC", ""},
    {1, "America Online", "AOL", "", "", "", "", "https://www.aol.com/"},
    {1, "IBM", "IBM", "", "", "", "", "https://www.ibm.com/"},
    {1, "Microsoft", "MSFT", "", "", "", "", "https://www.microsoft.com/"},
    {2, "Fidelity Magellan", "FMAGX", "", "", "", "", "https://www.fidelity.com/"},
    {2, "Janus 20 Fund", "JAVLX", "", "", "", "", "https://www.janushenderson.com/"},
};
constexpr const char* defaultTypes[] = {"Market Indices", "Internet Stocks", "Mutual Funds"};
}  // namespace

void DefaultStockList(Model& model) {
    StockList& list = model.list;
    list.Maxtypes = -1;
    for (const char* name : defaultTypes) {
        list.types[++list.Maxtypes] = TypeRecord{QString::fromUtf8(name), 0, -1};
    }
    list.Maxstocks = -1;
    for (const DefaultStock& entry : defaultStocks) {
        list.stocks[++list.Maxstocks] =
            StockRecord{QString::fromUtf8(entry.symbol),
                        QString::fromUtf8(entry.description),
                        QString::fromUtf8(entry.homePage),
                        {QString::fromUtf8(entry.bigCharts), QString::fromUtf8(entry.stockMaster),
                         QString::fromUtf8(entry.stockPoint), QString::fromUtf8(entry.yahoo)}};
        TypeRecord& owner = list.types[entry.type];
        if (owner.Histock < owner.Lowstock) {
            owner.Lowstock = list.Maxstocks;
        }
        owner.Histock = list.Maxstocks;
    }
    RebuildStockTypeIndex(list);
}

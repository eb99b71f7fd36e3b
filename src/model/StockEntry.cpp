#include "model/StockEntry.h"

#include "model/SiteTable.h"

QString WebAddressStart() {
    return QStringLiteral("http://");
}

QString SymbolCase(const QString& text) {
    return text.toUpper();
}

StockRecord TidyStockEntry(StockRecord stock) {
    for (QString* field : {&stock.Stock, &stock.Description, &stock.URL}) {
        *field = field->trimmed();
    }
    if (stock.URL == WebAddressStart()) {
        stock.URL.clear();
    }
    for (QString& alternate : stock.Alternates) {
        alternate = alternate.trimmed();
    }
    return stock;
}

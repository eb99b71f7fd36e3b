#include "listfiles/ListCsv.h"

#include "listfiles/CsvRecords.h"
#include "listfiles/FormulaCells.h"
#include "model/SiteTable.h"

namespace {
const QByteArray LineEnd = QByteArrayLiteral("\r\n");

QByteArray header(bool exchanges) {
    QByteArray line = QByteArrayLiteral("Type,Symbol,Description,URL");
    for (SiteId site : AllSites) {
        line += ',' + Site(site).name.toUtf8();
    }
    return line + (exchanges ? QByteArrayLiteral(",Exchange") : QByteArray()) + LineEnd;
}

QByteArray cell(const QString& text) {
    return CsvField(FormulaSafeCell(text));
}

QByteArray stockRow(const QString& type, const StockRecord& stock, bool exchanges) {
    QByteArray row = cell(type);
    for (const QString* field : {&stock.Stock, &stock.Description, &stock.URL}) {
        row += ',' + cell(*field);
    }
    for (const QString& alternate : stock.Alternates) {
        row += ',' + cell(alternate);
    }
    if (exchanges) {
        row += ',' + cell(stock.Exchange);
    }
    return row + LineEnd;
}
}  // namespace

QByteArray ListCsv(const StockList& list) {
    const bool exchanges = AnyExchange(list);
    QByteArray csv = header(exchanges);
    for (qint16 t = 0; t <= list.Maxtypes; ++t) {
        const TypeRecord& type = list.types[t];
        if (!list.typeHasStocks(t)) {
            csv += cell(type.Type) + LineEnd;
        }
        for (qint16 s = type.Lowstock; s <= type.Histock; ++s) {
            csv += stockRow(type.Type, list.stocks[s], exchanges);
        }
    }
    return csv;
}

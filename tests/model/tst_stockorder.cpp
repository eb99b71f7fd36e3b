#include "model/StockListOps.h"
#include "model/StockOrder.h"
#include "model/StockSearch.h"
#include "support/DataRows.h"

#include <QTest>

namespace {
// One type of stocks written "SYMBOL=Description,...".
Model OneType(const QString& stocks) {
    Model model;
    AppendType(model, QStringLiteral("T"));
    for (const QString& stock : stocks.split(u',', Qt::SkipEmptyParts)) {
        StockRecord record;
        record.Stock = stock.section(u'=', 0, 0);
        record.Description = stock.section(u'=', 1);
        Add_Stock(model, 0, record);
    }
    return model;
}

QString Descriptions(const StockList& list, const std::vector<qint16>& order) {
    QStringList descriptions;
    for (const qint16 place : order) {
        descriptions << list.stocks[place].Description;
    }
    return descriptions.join(u',');
}
}  // namespace

// Sorting a type's stocks and finding a stock, on lists without a window.
class StockOrderTest : public QObject {
    Q_OBJECT
  private Q_SLOTS:
    // The order a type sorts to, by a locale; the inverse order puts the stocks back.
    void sortsAType_data() { AddDataRows(QStringLiteral("sorting.txt")); }

    void sortsAType() {
        QFETCH(QString, locale);
        QFETCH(QString, key);
        QFETCH(QString, stocks);
        QFETCH(QString, sorted);
        Model model = OneType(stocks);
        const std::vector<qint16> order =
            SortedOrder(model.list, 0, key == "symbol" ? SortKey::Symbol : SortKey::Description,
                        QLocale(locale));
        QCOMPARE(Descriptions(model.list, order), sorted);
        const StockList before = model.list;
        ReorderStocks(model, 0, order);
        ReorderStocks(model, 0, InverseOrder(order));
        QVERIFY(model.list == before);
    }

    // The stock found from a start, forwards or backwards, in the list IBM, MSFT, INTC, AMD.
    void findsAStock_data() { AddDataRows(QStringLiteral("finding.txt")); }

    void findsAStock() {
        QFETCH(QString, text);
        QFETCH(QString, rule);
        QFETCH(QString, start);
        QFETCH(QString, step);
        QFETCH(QString, found);
        const Model model = OneType(QStringLiteral(
            "IBM=International Business Machines,MSFT=Microsoft,INTC=Intel,AMD=Advanced Micro "
            "Devices"));
        const qint16 stock =
            FindStock(model.list, text, rule == "prefix" ? MatchRule::Prefix : MatchRule::Anywhere,
                      start.toInt(), step.toInt());
        QCOMPARE(stock < 0 ? QStringLiteral("none") : model.list.stocks[stock].Description, found);
    }
};

QTEST_MAIN(StockOrderTest)
#include "tst_stockorder.moc"

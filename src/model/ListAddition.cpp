#include "model/ListAddition.h"

#include "model/Markets.h"
#include "model/SiteTable.h"
#include "model/StockEntry.h"
#include "model/StockListOps.h"

#include <QHash>
#include <QSet>
#include <utility>
#include <vector>

namespace {
bool addsStock(RowAction action) {
    return action == RowAction::Add || action == RowAction::AddToNewType;
}

bool addsType(RowAction action) {
    return action == RowAction::NewType || action == RowAction::AddToNewType;
}

QString counted(int count, const char* what) {
    return QStringLiteral("%1 %2%3").arg(count).arg(QLatin1String(what)).arg(count == 1 ? "" : "s");
}

// The row as the stock editor would store it: trimmed, symbols in upper case, and the symbol
// as the description when there is none.
ListRow tidied(ListRow row) {
    row.type = row.type.trimmed();
    row.stock = TidyStockEntry(std::move(row.stock));
    row.stock.Stock = SymbolCase(row.stock.Stock);
    for (QString& alternate : row.stock.Alternates) {
        alternate = SymbolCase(alternate);
    }
    if (row.stock.Description.isEmpty()) {
        row.stock.Description = row.stock.Stock;
    }
    return row;
}

// Which text of the row is longer than the editors hold, or empty.
QString overLength(const ListRow& row) {
    const auto tooLong = [](const QString& text) { return text.size() > EntryMaxLength; };
    const std::pair<QString StockRecord::*, const char*> fields[] = {
        {&StockRecord::Stock, "symbol"},
        {&StockRecord::Description, "description"},
        {&StockRecord::URL, "web page"},
        {&StockRecord::Exchange, "exchange"}};
    QString what = tooLong(row.type) ? QStringLiteral("type name") : QString();
    for (const auto& [field, name] : fields) {
        what = what.isEmpty() && tooLong(row.stock.*field) ? QString::fromLatin1(name) : what;
    }
    for (SiteId site : AllSites) {
        what = what.isEmpty() && tooLong(ForSite(row.stock.Alternates, site))
                   ? QStringLiteral("symbol at ") + Site(site).name
                   : what;
    }
    return what;
}

// Says why the editor would not take the row and what would make it take it; false when it
// would take it as it is.
bool refused(PlannedRow& planned, bool onlyType) {
    const ListRow& row = planned.row;
    if (const QString what = overLength(row); !what.isEmpty()) {
        planned.reason =
            QStringLiteral("%1 longer than %2 characters").arg(what).arg(EntryMaxLength);
        planned.fix =
            QStringLiteral("shorten the %1 to at most %2 characters").arg(what).arg(EntryMaxLength);
    } else if (!onlyType && row.stock.Stock.isEmpty()) {
        planned.reason = QStringLiteral("no symbol");
        planned.fix = QStringLiteral("give it a symbol");
    } else if (!row.stock.Exchange.isEmpty() && !IsMarketCode(row.stock.Exchange)) {
        planned.reason = QStringLiteral("unknown exchange \"%1\"").arg(row.stock.Exchange);
        planned.fix = QStringLiteral(
            "write its exchange as a market identifier code (XLON) or a chart site's name for it "
            "(LSE)");
    }
    return !planned.reason.isEmpty();
}

// Plans row after row. A named type is the list's type of that name, else the one whose name
// differs only in case, else a new type of exactly that name; the symbols a row is compared
// with are those the list held before, so that a list written as CSV comes back whole.
class Planner {
  public:
    Planner(const StockList& list, qint16 defaultType, const QString& newTypeName)
        : defaultType_(defaultType), newTypeName_(newTypeName) {
        for (qint16 t = 0; t <= list.Maxtypes; ++t) {
            typeNames_.push_back(list.types[t].Type);
            // Of two types of one name, the first takes the rows.
            typesByName_.insert(list.types[t].Type, typesByName_.value(list.types[t].Type, t));
            const QString folded = list.types[t].Type.toCaseFolded();
            typesByFoldedName_.insert(folded, typesByFoldedName_.value(folded, t));
            for (qint16 s = list.types[t].Lowstock; s <= list.types[t].Histock; ++s) {
                symbols_.insert({t, list.stocks[s].Stock.toCaseFolded()});
            }
        }
    }

    PlannedRow plan(const ListRow& read) {
        PlannedRow planned;
        planned.row = tidied(read);
        const ListRow& row = planned.row;
        const bool onlyType = row.stock == StockRecord{};
        if (refused(planned, onlyType)) {
            return planned;
        }
        bool created = false;
        planned.type = !row.type.isEmpty() ? typeNamed(row.type, created)
                       : defaultType_ >= 0 ? defaultType_
                                           : typeNamed(newTypeName_, created);
        planned.typeName = typeNames_[planned.type];
        if (onlyType) {
            planned.action = created ? RowAction::NewType : RowAction::Duplicate;
        } else if (symbols_.contains({planned.type, row.stock.Stock.toCaseFolded()})) {
            planned.action = RowAction::Duplicate;
        } else {
            planned.action = created ? RowAction::AddToNewType : RowAction::Add;
        }
        return planned;
    }

  private:
    // The type of that name; `created` when this row makes it.
    int typeNamed(const QString& name, bool& created) {
        int type = typesByName_.value(name, typesByFoldedName_.value(name.toCaseFolded(), -1));
        created = type < 0;
        if (created) {
            type = int(typeNames_.size());
            typeNames_.push_back(name);
            typesByName_.insert(name, type);
        }
        return type;
    }

    int defaultType_;
    QString newTypeName_;
    std::vector<QString> typeNames_;  // the list's types, then the new ones
    QHash<QString, int> typesByName_;
    QHash<QString, int> typesByFoldedName_;  // the list's own types only
    QSet<std::pair<int, QString>> symbols_;  // the list's, before the addition
};
}  // namespace

ListAddition PlanListAddition(const StockList& list, const ListRows& rows, qint16 defaultType,
                              const QString& newTypeName) {
    ListAddition addition;
    addition.stockRoom = StockCapacity - list.stockCount();
    addition.typeRoom = TypeCapacity - list.typeCount();
    addition.rows.reserve(rows.size());
    Planner planner(list, defaultType, newTypeName);
    for (const ListRow& row : rows) {
        const RowAction action = addition.rows.emplace_back(planner.plan(row)).action;
        addition.stocksToAdd += int(addsStock(action));
        addition.newTypes += int(addsType(action));
        addition.duplicates += int(action == RowAction::Duplicate);
        addition.refused += int(action == RowAction::Refused);
    }
    return addition;
}

QString AdditionSummary(const ListAddition& addition, bool done) {
    return QStringLiteral("%1 %2, %3, %4, %5 refused")
        .arg(addition.stocksToAdd)
        .arg(done ? QStringLiteral("added") : QStringLiteral("to add"),
             counted(addition.newTypes, "new type"), counted(addition.duplicates, "duplicate"))
        .arg(addition.refused);
}

QString ActionText(const PlannedRow& row) {
    switch (row.action) {
        case RowAction::Add:
            return QStringLiteral("add");
        case RowAction::AddToNewType:
            return QStringLiteral("add, new type");
        case RowAction::NewType:
            return QStringLiteral("new type");
        case RowAction::Duplicate:
            return QStringLiteral("duplicate, skipped");
        case RowAction::Refused:
            break;
    }
    return QStringLiteral("refused: ") + row.reason;
}

QString ActionHelp(const PlannedRow& row) {
    return row.fix.isEmpty() ? ActionText(row)
                             : QStringLiteral(
                                   "%1. To add this row, %2 in the list and bring it "
                                   "in again.")
                                   .arg(ActionText(row), row.fix);
}

QString CapacityRefusal(const ListAddition& addition) {
    const auto room = [](int free, int wanted, int capacity, const char* what) {
        return QStringLiteral("The list has room for %1 more %2%3, not %4 (it holds at most %5).")
            .arg(free)
            .arg(QLatin1String(what))
            .arg(free == 1 ? "" : "s")
            .arg(wanted)
            .arg(capacity);
    };
    QStringList parts;
    if (addition.stocksToAdd > addition.stockRoom) {
        parts << room(addition.stockRoom, addition.stocksToAdd, StockCapacity, "stock");
    }
    if (addition.newTypes > addition.typeRoom) {
        parts << room(addition.typeRoom, addition.newTypes, TypeCapacity, "type");
    }
    return parts.isEmpty() ? QString() : parts.join(u' ') + QStringLiteral(" Nothing is added.");
}

ListAdded AddListRows(Model& model, const ListAddition& addition) {
    ListAdded added;
    if (!addition.fits()) {
        return added;
    }
    for (const PlannedRow& planned : addition.rows) {
        if (addsType(planned.action)) {
            const qint16 type = AppendType(model, planned.typeName);
            added.firstNewType = added.firstNewType < 0 ? type : added.firstNewType;
        }
        if (addsStock(planned.action)) {
            const qint16 position = Add_Stock(model, qint16(planned.type), planned.row.stock);
            // A stock inserted at or before the first one moves it one place on.
            added.firstStock = added.firstStock < 0           ? position
                               : position <= added.firstStock ? qint16(added.firstStock + 1)
                                                              : added.firstStock;
        }
    }
    return added;
}

void RemoveListRows(Model& model, const ListAddition& addition) {
    if (!addition.fits()) {
        return;
    }
    StockList& list = model.list;
    std::vector<int> added(list.typeCount());
    for (const PlannedRow& planned : addition.rows) {
        if (addsStock(planned.action)) {
            ++added[planned.type];
        }
    }
    for (qint16 t = 0; t <= list.Maxtypes; ++t) {
        for (int n = 0; n < added[t]; ++n) {
            list.StockTypeIndex[list.types[t].Histock] = t;
            Delete_Stock(model, list.types[t].Histock);
        }
    }
    for (int n = 0; n < addition.newTypes; ++n) {
        DeleteType(model, list.Maxtypes);
    }
}

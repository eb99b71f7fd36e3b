#include "model/ListAddition.h"

#include "model/Markets.h"
#include "model/SiteTable.h"
#include "model/StockEntry.h"
#include "model/StockListOps.h"

#include <QCoreApplication>
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

// The texts the list preview and the command line show.
struct Tr {
    Q_DECLARE_TR_FUNCTIONS(ListAddition)
};

QString newTypesCounted(int count) {
    return count == 1 ? Tr::tr("%n new type", nullptr, count)
                      : Tr::tr("%n new types", nullptr, count);
}

QString duplicatesCounted(int count) {
    return count == 1 ? Tr::tr("%n duplicate", nullptr, count)
                      : Tr::tr("%n duplicates", nullptr, count);
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
        //: a field of a row, named in "%1 longer than ..." and "shorten the %1 ..."
        {&StockRecord::Stock, QT_TRANSLATE_NOOP("ListAddition", "symbol")},
        {&StockRecord::Description, QT_TRANSLATE_NOOP("ListAddition", "description")},
        {&StockRecord::URL, QT_TRANSLATE_NOOP("ListAddition", "web page")},
        {&StockRecord::Exchange, QT_TRANSLATE_NOOP("ListAddition", "exchange")}};
    QString what = tooLong(row.type) ? Tr::tr("type name") : QString();
    for (const auto& [field, name] : fields) {
        what = what.isEmpty() && tooLong(row.stock.*field) ? Tr::tr(name) : what;
    }
    for (SiteId site : AllSites) {
        //: %1 is the name of a chart site
        what = what.isEmpty() && tooLong(ForSite(row.stock.Alternates, site))
                   ? Tr::tr("symbol at %1").arg(Site(site).name)
                   : what;
    }
    return what;
}

// Says why the editor would not take the row and what would make it take it; false when it
// would take it as it is.
bool refused(PlannedRow& planned, bool onlyType) {
    const ListRow& row = planned.row;
    if (const QString what = overLength(row); !what.isEmpty()) {
        //: %1 is the field, such as "description"
        planned.reason = Tr::tr("%1 longer than %n characters", nullptr, EntryMaxLength).arg(what);
        //: what would make the row one to add; %1 is the field, such as "description"
        planned.fix =
            Tr::tr("shorten the %1 to at most %n characters", nullptr, EntryMaxLength).arg(what);
    } else if (!onlyType && row.stock.Stock.isEmpty()) {
        planned.reason = Tr::tr("no symbol");
        //: what would make the row one to add
        planned.fix = Tr::tr("give it a symbol");
    } else if (!row.stock.Exchange.isEmpty() && !IsMarketCode(row.stock.Exchange)) {
        planned.reason = Tr::tr("unknown exchange \"%1\"").arg(row.stock.Exchange);
        //: what would make the row one to add
        planned.fix = Tr::tr(
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
    //: %n stocks; %1 and %2 count the new types and the duplicates
    const QString summary =
        done ? Tr::tr("%n added, %1, %2, %3 refused", nullptr, addition.stocksToAdd)
             : Tr::tr("%n to add, %1, %2, %3 refused", nullptr, addition.stocksToAdd);
    return summary.arg(newTypesCounted(addition.newTypes), duplicatesCounted(addition.duplicates))
        .arg(addition.refused);
}

QString ActionText(const PlannedRow& row) {
    switch (row.action) {
        case RowAction::Add:
            //: what happens to the row: the stock is added
            return Tr::tr("add");
        case RowAction::AddToNewType:
            return Tr::tr("add, new type");
        case RowAction::NewType:
            return Tr::tr("new type");
        case RowAction::Duplicate:
            return Tr::tr("duplicate, skipped");
        case RowAction::Refused:
            break;
    }
    //: %1 is why, such as "no symbol"
    return Tr::tr("refused: %1").arg(row.reason);
}

QString ActionHelp(const PlannedRow& row) {
    return row.fix.isEmpty() ? ActionText(row)
                             //: %1 is what happens to the row, %2 what would make it one to add
                             : Tr::tr(
                                   "%1. To add this row, %2 in the list and bring it "
                                   "in again.")
                                   .arg(ActionText(row), row.fix);
}

QString CapacityRefusal(const ListAddition& addition) {
    QStringList parts;
    if (const int free = addition.stockRoom; addition.stocksToAdd > free) {
        //: %1 is how many the list names, %2 the most the list holds
        parts << (free == 1
                      ? Tr::tr("The list has room for %n more stock, not %1 (it holds at most "
                               "%2).",
                               nullptr, free)
                      : Tr::tr("The list has room for %n more stocks, not %1 (it holds at "
                               "most %2).",
                               nullptr, free))
                     .arg(addition.stocksToAdd)
                     .arg(StockCapacity);
    }
    if (const int free = addition.typeRoom; addition.newTypes > free) {
        //: %1 is how many the list names, %2 the most the list holds
        parts << (free == 1 ? Tr::tr("The list has room for %n more type, not %1 (it holds at most "
                                     "%2).",
                                     nullptr, free)
                            : Tr::tr("The list has room for %n more types, not %1 (it holds at "
                                     "most %2).",
                                     nullptr, free))
                     .arg(addition.newTypes)
                     .arg(TypeCapacity);
    }
    return parts.isEmpty() ? QString() : parts.join(u' ') + u' ' + Tr::tr("Nothing is added.");
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

#pragma once

#include "model/ListRows.h"
#include "model/Model.h"

#include <QString>
#include <vector>

// What adding the rows of a list would do, row by row, and the one step that does it.

enum class RowAction {
    Add,           // the stock goes to the end of an existing type
    AddToNewType,  // the stock is the first of a type the addition creates
    NewType,       // the row only names a type, which the addition creates
    Duplicate,     // the symbol is in its type already (or the named type exists)
    Refused,       // the stock editor would not take it; see reason
};

struct PlannedRow {
    ListRow row;  // as the stock editor would store it
    RowAction action = RowAction::Refused;
    QString reason;    // why a row is refused
    QString fix;       // what would make the row one to add: "give it a symbol"
    int type = -1;     // the type index it goes to; new types follow the list's last
    QString typeName;  // the name of that type
};

struct ListAddition {
    std::vector<PlannedRow> rows;
    int stocksToAdd = 0;
    int newTypes = 0;
    int duplicates = 0;
    int refused = 0;
    int stockRoom = 0;  // free places in the list
    int typeRoom = 0;

    bool fits() const { return stocksToAdd <= stockRoom && newTypes <= typeRoom; }
};

// What adding `rows` to `list` would do. Rows that name no type go to `defaultType`, or when it
// is -1 (the list has no type) to a new type `newTypeName`. A named type is the list's type of
// exactly that name, else one whose name differs only in case, else a new type at the end of
// the list. A stock is a duplicate when its type held the symbol before the addition; the
// rows' own symbols are not compared, so the list's CSV adds to an empty list as it was.
ListAddition PlanListAddition(const StockList& list, const ListRows& rows, qint16 defaultType,
                              const QString& newTypeName);

// "37 to add, 2 new types, 3 duplicates, 1 refused" (or "37 added, ..." once done).
QString AdditionSummary(const ListAddition& addition, bool done);
// "add", "duplicate, skipped", "refused: no symbol", ...
QString ActionText(const PlannedRow& row);
// ActionText with the fix of a refused row: "refused: no symbol. To add this row, give it a
// symbol in the list and bring it in again."
QString ActionHelp(const PlannedRow& row);
// Why the addition does not fit in the list, or empty when it does.
QString CapacityRefusal(const ListAddition& addition);

struct ListAdded {
    qint16 firstStock = -1;    // where the first stock of the list went
    qint16 firstNewType = -1;  // the first type created
};

// Applies every row that adds a stock or a type, through the list operations, in one step:
// new types are appended in the order the rows name them, each stock goes to the end of its
// type in row order. Changes nothing when the addition does not fit.
ListAdded AddListRows(Model& model, const ListAddition& addition);
// Takes back what AddListRows added to the list it left: each type's added stocks from its
// end, then the new types.
void RemoveListRows(Model& model, const ListAddition& addition);

#include "app/ListBatch.h"

#include "app/BatchSupport.h"
#include "listfiles/ListFile.h"
#include "model/ListAddition.h"
#include "settings/Storage.h"
#include "settings/StoredGeometry.h"

#include <QCoreApplication>

namespace {
// The stored settings over the defaults, without the starter list of a first start.
bool loadStored(const Storage& storage, Model& model, StoredGeometry& geometry) {
    ApplyDefaults(model, storage.defaultHtmlDir());
    return Report(storage.load(model, &geometry)) == 0;
}

// The one place where --add-list writes the store.
bool saveList(const Storage& storage, Model& model, const StoredGeometry& geometry) {
    return Report(storage.save(model, geometry)) == 0;
}

void printSkipped(const QString& source, const ListAddition& addition) {
    for (const PlannedRow& planned : addition.rows) {
        if (planned.action == RowAction::Duplicate || planned.action == RowAction::Refused) {
            // The row is named by its symbol, else its type, else its description.
            const ListRow& row = planned.row;
            const QString named = !row.stock.Stock.isEmpty() ? row.stock.Stock
                                  : !row.type.isEmpty()      ? row.type
                                                             : row.stock.Description;
            const QString action = ActionText(planned);
            //: %1 is what happened to a row, %2 the row's symbol, type or description.
            const QString told =
                named.isEmpty()
                    ? action
                    : QCoreApplication::translate("ListBatch", "%1 (%2)").arg(action, named);
            //: %1 is the list file, %2 the line number, %3 what happened to the row.
            PrintLine(stderr, QCoreApplication::translate("ListBatch", "%1, line %2: %3")
                                  .arg(source)
                                  .arg(row.line)
                                  .arg(told));
        }
    }
}
}  // namespace

int AddListFrom(const Storage& storage, const QString& file) {
    const QString source = ListFileSource(file);
    const ListReading reading = ReadListFile(file);
    if (!reading.error.isEmpty()) {
        PrintLine(stderr, ListReadingMessage(source, reading));
        return 1;
    }
    Model model;
    StoredGeometry geometry;
    if (!loadStored(storage, model, geometry)) {
        return 1;
    }
    const ListAddition addition =
        PlanListAddition(model.list, reading.rows, model.list.Maxtypes, ListTypeName(file));
    if (const QString refusal = CapacityRefusal(addition); !refusal.isEmpty()) {
        //: %1 is the list file, %2 why none of its rows can be added.
        PrintLine(stderr, QCoreApplication::translate("ListBatch", "%1: %2").arg(source, refusal));
        return 1;
    }
    printSkipped(source, addition);
    if (addition.stocksToAdd + addition.newTypes > 0) {
        AddListRows(model, addition);
        if (!saveList(storage, model, geometry)) {
            return 1;
        }
    }
    PrintLine(stdout, WithUnreadColumns(AdditionSummary(addition, true), reading));
    return addition.refused > 0 ? RowsRefusedExit : 0;
}

int ExportListTo(const Storage& storage, const QString& file) {
    Model model;
    StoredGeometry geometry;
    if (!LoadAsAtStartup(storage, model, geometry)) {
        return 1;
    }
    const QString failure = storage.exportList(model.list, file);
    if (!failure.isEmpty()) {
        PrintLine(stderr, failure);
        return 1;
    }
    return 0;
}

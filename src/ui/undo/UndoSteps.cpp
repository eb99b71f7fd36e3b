#include "ui/undo/UndoSteps.h"

#include "model/StockListOps.h"
#include "model/StockOrder.h"
#include "ui/kit/StockView.h"

#include <QCoreApplication>
#include <algorithm>
#include <utility>

ListStep::ListStep(Model& model, StockView& tree, const QString& text, Change forward,
                   Change backward)
    : QUndoCommand(text),
      model_(model),
      tree_(tree),
      forward_(std::move(forward)),
      backward_(std::move(backward)) {}

void ListStep::redo() {
    const TreePick pick = forward_(model_);
    tree_.Fill_tree(pick.type, pick.stock);
}

void ListStep::undo() {
    const TreePick pick = backward_(model_);
    tree_.Fill_tree(pick.type, pick.stock);
}

namespace {
Step makeStep(Model& model, StockView& tree, const QString& text, ListStep::Change forward,
              ListStep::Change backward) {
    return std::make_unique<ListStep>(model, tree, text, std::move(forward), std::move(backward));
}

// A step that puts `held` in place of what the list holds, keeping that for the way back.
template <typename Value, typename Exchange>
Step exchangeStep(Model& model, StockView& tree, const QString& text, Value held,
                  Exchange exchange) {
    const ListStep::Change both = [held = std::make_shared<Value>(std::move(held)),
                                   exchange](Model& m) { return exchange(m, *held); };
    return makeStep(model, tree, text, both, both);
}

// Removes `stock` of type `owner` and picks the stock above it, else the one that takes its
// place, else the type it leaves empty.
TreePick removeStock(Model& model, qint16 stock, qint16 owner) {
    const TypeRecord& type = model.list.types[owner];
    const TreePick pick = type.Lowstock == type.Histock
                              ? TreePick{owner, -1}
                              : TreePick{-1, stock == type.Lowstock ? stock : qint16(stock - 1)};
    model.list.StockTypeIndex[stock] = owner;
    Delete_Stock(model, stock);
    return pick;
}
}  // namespace

Step AddStockStep(Model& model, StockView& tree, qint16 position, qint16 type,
                  const StockRecord& stock) {
    return makeStep(
        model, tree, QCoreApplication::translate("UndoSteps", "Add stock"),
        [=](Model& m) {
            InsertStock(m, position, type, stock);
            return TreePick{-1, position};
        },
        [=](Model& m) { return removeStock(m, position, type); });
}

Step DeleteStockStep(Model& model, StockView& tree, qint16 stock) {
    const qint16 owner = model.list.StockTypeIndex[stock];
    const StockRecord record = model.list.stocks[stock];
    return makeStep(
        //: A step's name in the Edit menu, as in "Undo Delete".
        model, tree, QCoreApplication::translate("UndoSteps", "Delete"),
        [=](Model& m) { return removeStock(m, stock, owner); },
        [=](Model& m) {
            InsertStock(m, stock, owner, record);
            return TreePick{-1, stock};
        });
}

Step EditStockStep(Model& model, StockView& tree, qint16 stock, const StockRecord& record) {
    //: A step's name in the Edit menu, as in "Undo Edit".
    return exchangeStep(model, tree, QCoreApplication::translate("UndoSteps", "Edit"), record,
                        [stock](Model& m, StockRecord& held) {
                            StockRecord replaced = m.list.stocks[stock];
                            ReplaceStock(m, stock, std::exchange(held, std::move(replaced)));
                            return TreePick{-1, stock};
                        });
}

Step AddTypeStep(Model& model, StockView& tree, const QString& name) {
    const qint16 type = model.list.Maxtypes + 1;
    return makeStep(
        model, tree, QCoreApplication::translate("UndoSteps", "Add type"),
        [=](Model& m) {
            InsertType(m, type, name);
            return TreePick{type, -1};
        },
        [=](Model& m) {
            DeleteType(m, type);
            return TreePick{qint16(type - 1), -1};
        });
}

Step DeleteTypeStep(Model& model, StockView& tree, qint16 type) {
    const QString name = model.list.types[type].Type;
    return makeStep(
        //: A step's name in the Edit menu, as in "Undo Delete".
        model, tree, QCoreApplication::translate("UndoSteps", "Delete"),
        [=](Model& m) {
            DeleteType(m, type);
            return TreePick{qint16(type - 1), -1};
        },
        [=](Model& m) {
            InsertType(m, type, name);
            return TreePick{type, -1};
        });
}

Step RenameTypeStep(Model& model, StockView& tree, qint16 type, const QString& name) {
    //: A step's name in the Edit menu, as in "Undo Edit".
    return exchangeStep(model, tree, QCoreApplication::translate("UndoSteps", "Edit"), name,
                        [type](Model& m, QString& held) {
                            const QString replaced = m.list.types[type].Type;
                            RenameType(m, type, std::exchange(held, replaced));
                            return TreePick{type, -1};
                        });
}

Step MoveStockStep(Model& model, StockView& tree, const QString& text, qint16 stock, qint16 type,
                   qint16 place) {
    const qint16 fromType = model.list.StockTypeIndex[stock];
    const qint16 fromPlace = stock - model.list.types[fromType].Lowstock;
    // Each way, the stock is found at its place in the type it is in.
    const auto move = [](Model& m, qint16 inType, qint16 atPlace, qint16 toType, qint16 toPlace) {
        const qint16 at = m.list.types[inType].Lowstock + atPlace;
        m.list.StockTypeIndex[at] = inType;
        return TreePick{-1, MoveStock(m, at, toType, toPlace)};
    };
    return makeStep(
        model, tree, text, [=](Model& m) { return move(m, fromType, fromPlace, type, place); },
        [=](Model& m) { return move(m, type, place, fromType, fromPlace); });
}

Step MoveTypeStep(Model& model, StockView& tree, const QString& text, qint16 from, qint16 to) {
    return makeStep(
        model, tree, text,
        [=](Model& m) {
            MoveType(m, from, to);
            return TreePick{to, -1};
        },
        [=](Model& m) {
            MoveType(m, to, from);
            return TreePick{from, -1};
        });
}

Step SortStep(Model& model, StockView& tree, const QString& text, qint16 type,
              const std::vector<qint16>& order) {
    const auto reorder = [type](const std::vector<qint16>& by) {
        return [type, by](Model& m) {
            ReorderStocks(m, type, by);
            return TreePick{type, -1};
        };
    };
    return makeStep(model, tree, text, reorder(order), reorder(InverseOrder(order)));
}

Step AddListStep(Model& model, StockView& tree, const ListAddition& addition) {
    const auto rows = std::make_shared<const ListAddition>(addition);
    return makeStep(
        model, tree, QCoreApplication::translate("UndoSteps", "Add stocks from list"),
        [rows](Model& m) {
            const ListAdded added = AddListRows(m, *rows);
            return TreePick{added.firstStock >= 0 ? qint16(-1) : added.firstNewType,
                            added.firstStock};
        },
        [rows](Model& m) {
            RemoveListRows(m, *rows);
            // The type the first stock went to, unless the list made it.
            const auto first =
                std::find_if(rows->rows.begin(), rows->rows.end(),
                             [](const PlannedRow& row) { return row.action == RowAction::Add; });
            return TreePick{first == rows->rows.end() ? m.list.Maxtypes : qint16(first->type), -1};
        });
}

Step ImportStep(Model& model, StockView& tree, StockList imported) {
    return exchangeStep(model, tree, QCoreApplication::translate("UndoSteps", "Import settings"),
                        std::move(imported), [](Model& m, StockList& held) {
                            ExchangeList(m, held);
                            return TreePick{0, -1};
                        });
}

#pragma once

#include "model/ListAddition.h"
#include "model/StockList.h"

#include <QUndoCommand>
#include <functional>
#include <memory>
#include <vector>

class StockView;
struct Model;

// The node the tree selects after a step: a type, or a stock (-1: none of that kind).
struct TreePick {
    qint16 type = -1;
    qint16 stock = -1;
};

// One change of the list on the undo history. It makes the change and takes it back through
// the list operations, and after either refills the tree with the affected node selected.
class ListStep : public QUndoCommand {
  public:
    using Change = std::function<TreePick(Model&)>;
    ListStep(Model& model, StockView& tree, const QString& text, Change forward, Change backward);

    void redo() override;
    void undo() override;

  private:
    Model& model_;
    StockView& tree_;
    Change forward_;
    Change backward_;
};

using Step = std::unique_ptr<QUndoCommand>;

// The steps, one for each kind of change, made from the list as it stands; `text` names the
// command in the Edit menu ("Undo Move up").
Step AddStockStep(Model& model, StockView& tree, qint16 position, qint16 type,
                  const StockRecord& stock);
Step DeleteStockStep(Model& model, StockView& tree, qint16 stock);
Step EditStockStep(Model& model, StockView& tree, qint16 stock, const StockRecord& record);
Step AddTypeStep(Model& model, StockView& tree, const QString& name);
Step DeleteTypeStep(Model& model, StockView& tree, qint16 type);
Step RenameTypeStep(Model& model, StockView& tree, qint16 type, const QString& name);
// Moves `stock` to place `place` of `type`, counted as if it had left the list first.
Step MoveStockStep(Model& model, StockView& tree, const QString& text, qint16 stock, qint16 type,
                   qint16 place);
Step MoveTypeStep(Model& model, StockView& tree, const QString& text, qint16 from, qint16 to);
// Puts the stocks of `type` in `order` (as ReorderStocks takes it).
Step SortStep(Model& model, StockView& tree, const QString& text, qint16 type,
              const std::vector<qint16>& order);
Step AddListStep(Model& model, StockView& tree, const ListAddition& addition);
// Puts the list an import read in place of the list.
Step ImportStep(Model& model, StockView& tree, StockList imported);

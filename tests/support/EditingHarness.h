#pragma once

#include "model/Model.h"
#include "support/FakePlatform.h"
#include "ui/kit/CommandGuard.h"
#include "ui/undo/UndoHistory.h"
#include "ui/window/EditCommands.h"
#include "ui/window/StockTree.h"

#include <QString>

// A list written as "Type:desc,desc|Type:|..." in type order; each stock's symbol is its
// description in upper case. Replaces the model's list and clears SettingsChanged.
void BuildList(Model& model, const QString& text);
// A stock described `description`, its symbol in upper case.
StockRecord StockNamed(const QString& description);
// The list in the form BuildList reads.
QString DescribeList(const StockList& list);

// Drops node `dragged` through the tree's model at `row` among the children of `onto` (null:
// the types), or on `onto` when `row` is -1, as the mouse does; false when the drop is refused.
bool DropNode(QTreeWidget& tree, QTreeWidgetItem* dragged, QTreeWidgetItem* onto, int row);

// The editing commands on a tree of their own, with a scripted platform and an undo history;
// drops in the tree are steps too.
struct EditingHarness {
    Model model;
    FakePlatform platform;
    StockTree tree{model};
    CommandGuard guard{platform};
    UndoHistory history{model, guard};
    EditCommands commands{model, tree, platform, history};

    explicit EditingHarness(const QString& list = QString());

    // Selects the node showing `text`; an empty text clears the selection.
    void select(const QString& text);
    // The text of the selected node, empty when none is selected.
    QString selected() const;
    QString list() const { return DescribeList(model.list); }
};

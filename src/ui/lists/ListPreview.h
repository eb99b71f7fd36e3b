#pragma once

#include "listfiles/ListReader.h"
#include "model/ListAddition.h"
#include "ui/kit/ModelDialog.h"
#include "ui/lists/ListSnapshot.h"

class ListPreviewTable;
class QComboBox;
class QLabel;
class QTableView;
class UndoHistory;

// "Add stocks from a list": the rows of a list read from a file, the clipboard or a drop, what
// adding each would do, and a summary. Add applies every row marked add in one step.
class ListPreview : public ModelDialog {
    Q_OBJECT
  public:
    ListPreview(Model& model, StockView& tree, Platform& platform, UndoHistory& history,
                QWidget* parent = nullptr);

    // Fills the preview with the rows read. Rows that name no type go to the type selected in
    // the tree (the owner of a selected stock), else to the last type; when the list has no
    // type, to a new type `newTypeName`.
    void List_init(ListReading reading, const QString& newTypeName);

    const ListAddition& addition() const { return addition_; }

  protected:
    bool applyChanges() override;
    QWidget& firstField() override;

  private:
    void buildTable();
    void fillTypePicker();
    void plan();

    QComboBox* typePicker_;
    QTableView* rows_;
    QLabel* summary_;
    ListPreviewTable* table_;
    UndoHistory& history_;
    ListReading reading_;
    QString newTypeName_;
    ListAddition addition_;
    ListSnapshot filledFrom_;
};

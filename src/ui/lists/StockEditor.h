#pragma once

#include "model/SiteTable.h"
#include "model/StockList.h"
#include "ui/kit/ModelDialog.h"
#include "ui/lists/ListSnapshot.h"

#include <array>

class ExchangePicker;
class QComboBox;
class QGroupBox;
class QLineEdit;
class UndoHistory;
class WebAddressField;
struct TreeSelection;

// "New or updated stock": adds a stock below the selected one or first in a type, or changes
// the fields of the selected stock. Its type is changed elsewhere (TypeChangeDialog).
class StockEditor : public ModelDialog {
    Q_OBJECT
  public:
    StockEditor(Model& model, StockView& tree, Platform& platform, UndoHistory& history,
                QWidget* parent = nullptr);

    // Fills the editor from the tree's selection for adding a stock or editing the selected
    // one. False when it cannot open: nothing selected (beep) or no type to add to (message).
    bool Stock_init(bool addMode);

  protected:
    bool applyChanges() override;
    QWidget& firstField() override;

  private:
    void buildExchange();
    void buildAlternateSymbols();
    void initEdit(const TreeSelection& selection);
    void initAdd(const TreeSelection& selection);
    void fillTypePicker();
    void showRecord(const StockRecord& stock);
    StockRecord record() const;
    void addStock(const StockRecord& stock);

    QLineEdit* symbDef_;
    QComboBox* typePicker_;
    QGroupBox* typePickerFrame_;
    QLineEdit* descrip_;
    WebAddressField* webURL_;
    ExchangePicker* exchange_;
    PerSite<QLineEdit*> alternates_{};  // in site order
    UndoHistory& history_;

    bool addMode_ = false;
    // Edit mode: the stock edited. Add mode: the anchor, the selected stock or the first
    // stock index of the selected type.
    qint16 stockNo_ = -1;
    qint16 typeNo_ = -1;  // the type preselected in TypePicker
    qint16 targetType_ = -1;
    bool atTypeStart_ = false;  // add first in TargetType instead of below StockNo
    ListSnapshot filledFrom_;
};

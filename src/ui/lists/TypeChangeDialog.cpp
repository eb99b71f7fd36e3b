#include "ui/lists/TypeChangeDialog.h"

#include "ui/kit/DialogLayout.h"
#include "ui/kit/DropHeight.h"
#include "ui/kit/StockView.h"
#include "ui/platform/Platform.h"
#include "ui/undo/UndoHistory.h"
#include "ui/undo/UndoSteps.h"

#include <QComboBox>
#include <QGroupBox>

TypeChangeDialog::TypeChangeDialog(Model& model, StockView& tree, Platform& platform,
                                   UndoHistory& history, QWidget* parent)
    : ModelDialog(model, tree, platform,
                  {QStringLiteral("Change_Type"), tr("Change type"), QSize(3900, 1656),
                   QRect(1200, 1080, 972, 272), QRect(2520, 1080, 972, 272)},
                  parent),
      //: the type (category) the stock is moved to
      typeChanger_(AddFramedControl<QComboBox>(this, tr("&Type"), QStringLiteral("TypeChanger"),
                                               QRect(360, 240, 3132, 612),
                                               QRect(240, 240, 2772, 288))),
      history_(history) {
    LimitDropHeight(*typeChanger_, 22);  // item heights, the closed box included
    chainTabOrder({typeChanger_});
}

bool TypeChangeDialog::Type_Changer() {
    const TreeSelection selection = tree_.selection();
    if (!selection.isStock()) {
        platform_.beep();
        return false;
    }
    stockNo_ = selection.stock;
    typeChanger_->clear();
    for (qint16 t = 0; t <= model_.list.Maxtypes; ++t) {
        typeChanger_->addItem(model_.list.types[t].Type);
    }
    typeChanger_->setCurrentIndex(selection.type);
    filledFrom_.take(model_.list, stockNo_);
    return true;
}

bool TypeChangeDialog::applyChanges() {
    if (!filledFrom_.stillHeldBy(model_.list, platform_)) {
        return true;  // closes, nothing applied
    }
    model_.SettingsChanged = true;
    const auto newType = static_cast<qint16>(typeChanger_->currentIndex());
    const TypeRecord& target = model_.list.types[newType];
    if (newType != model_.list.StockTypeIndex[stockNo_]) {
        // To the end of the new type.
        //: also the dialog's title; Edit > Undo names the move by it
        history_.push(MoveStockStep(model_, tree_, tr("Change type"), stockNo_, newType,
                                    target.Histock - target.Lowstock + 1));
    }
    return true;
}

QWidget& TypeChangeDialog::firstField() {
    return *typeChanger_;
}

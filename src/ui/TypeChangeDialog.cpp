#include "ui/TypeChangeDialog.h"

#include "model/StockListOps.h"
#include "ui/DialogLayout.h"
#include "ui/Platform.h"
#include "ui/StockTree.h"
#include "ui/TreeSelection.h"

#include <QComboBox>
#include <QGroupBox>

TypeChangeDialog::TypeChangeDialog(Model& model, StockTree& tree, Platform& platform,
                                   QWidget* parent)
    : ListEditorDialog(model, tree, platform,
                       {QStringLiteral("Change_Type"), tr("Change type"), QSize(3900, 1656),
                        QRect(1200, 1080, 972, 272), QRect(2520, 1080, 972, 272)},
                       parent),
      TypeChanger_(new QComboBox(AddFrame(this, tr("&Type"), 360, 240, 3132, 612))) {
    TypeChanger_->setObjectName(QStringLiteral("TypeChanger"));
    TypeChanger_->parentWidget()->setObjectName(QStringLiteral("TypeChangerFrame"));
    PlaceAt(*TypeChanger_, 240, 240, 2772, 288);
    chainTabOrder({TypeChanger_});
}

bool TypeChangeDialog::Type_Changer() {
    const TreeSelection selection = SelectedItem(tree_, model_.list);
    if (!selection.isStock()) {
        platform_.beep();
        if (selection.isType()) {
            tree_.WebTree_GiveFocus();
        }
        return false;
    }
    StockNo_ = selection.stock;
    OldType_ = selection.type;
    TypeChanger_->clear();
    for (qint16 t = 0; t <= model_.list.Maxtypes; ++t) {
        TypeChanger_->addItem(model_.list.types[t].Type);
    }
    TypeChanger_->setCurrentIndex(OldType_);
    return true;
}

bool TypeChangeDialog::applyChanges() {
    model_.SettingsChanged = true;
    const auto newType = static_cast<qint16>(TypeChanger_->currentIndex());
    tree_.Fill_tree(-1, newType == OldType_ ? StockNo_ : moveStock(newType));
    return true;
}

// Copies the stock to the end of `newType`, removes the original and returns the copy's
// final index.
qint16 TypeChangeDialog::moveStock(qint16 newType) {
    StockList& list = model_.list;
    qint16 copy = Add_Stock(model_, newType, list.stocks[StockNo_]);
    qint16 original = StockNo_;
    if (newType < OldType_) {
        ++original;  // the copy went in before it
    }
    // The owner index is not kept up to date by Add_Stock; Delete_Stock reads it.
    list.StockTypeIndex[original] = OldType_;
    Delete_Stock(model_, original);
    if (newType > OldType_) {
        --copy;  // the original was before it
    }
    return copy;
}

QWidget& TypeChangeDialog::firstField() {
    return *TypeChanger_;
}

#include "ui/kit/ModelDialog.h"

#include "ui/kit/DialogLayout.h"
#include "ui/window/StockTree.h"

#include <QPushButton>

namespace {
QPushButton* addButton(QWidget* parent, const char* name, const QString& caption,
                       const QString& tooltip, const QRect& twips) {
    auto* button = new QPushButton(caption, parent);
    button->setObjectName(QString::fromLatin1(name));
    button->setToolTip(tooltip);
    PlaceAt(*button, twips);
    return button;
}
}  // namespace

ModelDialog::ModelDialog(Model& model, StockTree& tree, Platform& platform,
                                   const Layout& layout, QWidget* parent)
    : QDialog(parent),
      model_(model),
      tree_(tree),
      platform_(platform),
      cancel_(addButton(this, "Cancel", tr("&Cancel"), tr("Cancel changes"), layout.cancelTwips)),
      done_(addButton(this, "Done", tr("&Done"), tr("Apply changes"), layout.doneTwips)) {
    setObjectName(layout.objectName);
    setWindowTitle(layout.title);
    SetFixedDialogSize(*this, LayoutPixels(*this, layout.clientTwips.width()),
                       LayoutPixels(*this, layout.clientTwips.height()));
    done_->setDefault(true);
    connect(cancel_, &QPushButton::clicked, this, &ModelDialog::reject);
    connect(done_, &QPushButton::clicked, this, &ModelDialog::Done_Click);
}

void ModelDialog::reject() {
    QDialog::reject();
    tree_.WebTree_GiveFocus();
}

void ModelDialog::Done_Click() {
    if (applyChanges()) {
        accept();
        tree_.WebTree_GiveFocus();
    }
}

void ModelDialog::chainTabOrder(std::initializer_list<QWidget*> fields) {
    QWidget* previous = nullptr;
    for (QWidget* field : fields) {
        if (previous) {
            setTabOrder(previous, field);
        }
        previous = field;
    }
    setTabOrder(previous, cancel_);
    setTabOrder(cancel_, done_);
}

void ModelDialog::showEvent(QShowEvent* event) {
    QDialog::showEvent(event);
    firstField().setFocus(Qt::ActiveWindowFocusReason);
}

#include "ui/kit/ModelDialog.h"

#include "ui/kit/Buttons.h"
#include "ui/window/StockTree.h"

ModelDialog::ModelDialog(Model& model, StockTree& tree, Platform& platform, const Layout& layout,
                         QWidget* parent)
    : QDialog(parent),
      model_(model),
      tree_(tree),
      platform_(platform),
      cancel_(AddButton(this, QStringLiteral("Cancel"), tr("&Cancel"), layout.cancelTwips)),
      done_(AddButton(this, QStringLiteral("Done"), tr("&Done"), layout.doneTwips)) {
    setObjectName(layout.objectName);
    setWindowTitle(layout.title);
    SetFixedDialogSize(*this, layout.clientTwips);
    cancel_->setToolTip(tr("Cancel changes"));
    done_->setToolTip(tr("Apply changes"));
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

void ModelDialog::chainTabOrder(const std::vector<QWidget*>& fields) {
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

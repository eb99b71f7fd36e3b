#include "ui/kit/FixedDialog.h"

#include "ui/kit/Buttons.h"
#include "ui/kit/CornerButtons.h"
#include "ui/kit/TextFit.h"

FixedDialog::FixedDialog(const Layout& layout, QWidget* parent)
    : QDialog(parent),
      cancel_(AddButton(this, QStringLiteral("Cancel"), tr("&Cancel"), layout.cancelTwips)),
      done_(AddButton(this, QStringLiteral("Done"), tr("&Done"), layout.doneTwips)) {
    setObjectName(layout.objectName);
    setWindowTitle(layout.title);
    SetFixedDialogSize(*this, layout.clientTwips);
    cancel_->setToolTip(tr("Cancel changes"));
    done_->setToolTip(tr("Apply changes"));
    done_->setDefault(true);
    connect(cancel_, &QPushButton::clicked, this, &FixedDialog::reject);
    connect(done_, &QPushButton::clicked, this, &FixedDialog::Done_Click);
}

FixedDialog::Layout FixedDialog::CornerLayout(const QString& objectName, const QString& title,
                                              QSize client) {
    return {objectName, title, client, CornerButtons::Cancel(client), CornerButtons::Done(client)};
}

void FixedDialog::Done_Click() {
    if (applyChanges()) {
        accept();
    }
}

void FixedDialog::chainTabOrder(const std::vector<QWidget*>& fields) {
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

void FixedDialog::setVisible(bool visible) {
    // Sized before it is placed on the screen, with the texts its controls were given.
    if (visible && !fitted_) {
        fitted_ = true;
        FitDialogToTexts(*this, {cancel_, done_});
    }
    QDialog::setVisible(visible);
}

void FixedDialog::showEvent(QShowEvent* event) {
    QDialog::showEvent(event);
    firstField().setFocus(Qt::ActiveWindowFocusReason);
}

#include "ui/lists/TypeNameDialog.h"

#include "ui/kit/DialogLayout.h"
#include "ui/kit/TrimmedField.h"
#include "ui/undo/UndoHistory.h"
#include "ui/undo/UndoSteps.h"

#include <QGroupBox>
#include <QLineEdit>

TypeNameDialog::TypeNameDialog(Model& model, StockView& tree, Platform& platform,
                               UndoHistory& history, QWidget* parent)
    : ModelDialog(model, tree, platform,
                  {QStringLiteral("TypeSetter"), tr("New or updated type"), QSize(6540, 1632),
                   QRect(4440, 1200, 852, 272), QRect(5520, 1200, 852, 272)},
                  parent),
      header_(AddFramedControl<QLineEdit>(this, tr("&Header text"), QStringLiteral("Header"),
                                          QRect(360, 240, 5772, 732), QRect(240, 240, 5412, 372))),
      history_(history) {
    chainTabOrder({header_});
}

void TypeNameDialog::Type_init(qint16 type) {
    type_ = type;
    const StockList& list = model_.list;
    header_->setText(type <= list.Maxtypes ? list.types[type].Type : QString());
    filledFrom_.take(list);
}

bool TypeNameDialog::applyChanges() {
    if (!filledFrom_.stillHeldBy(model_.list, platform_)) {
        return true;  // closes, nothing applied
    }
    model_.SettingsChanged = true;
    // A blank name stores nothing: no new type, and a renamed type keeps its name.
    const QString name = TrimField(*header_);
    if (name.isEmpty()) {
        return true;
    }
    if (type_ == model_.list.Maxtypes + 1) {
        history_.push(AddTypeStep(model_, tree_, name));
    } else if (name != model_.list.types[type_].Type) {
        history_.push(RenameTypeStep(model_, tree_, type_, name));
    }
    return true;
}

QWidget& TypeNameDialog::firstField() {
    return *header_;
}

#include "ui/options/SymbolFormEditor.h"

#include "ui/kit/AccessibleName.h"
#include "ui/kit/DialogLayout.h"
#include "ui/kit/DropHeight.h"
#include "ui/kit/ExchangePicker.h"
#include "ui/platform/Platform.h"

#include <QLabel>
#include <QLineEdit>

namespace {
const QString FormExample = QStringLiteral("{symbol}.L");

constexpr int Margin = 360;
constexpr int Width = 5400;
constexpr int FormTop = 1020;
constexpr int FormHeight = 1332;
constexpr QSize Client(Margin + Width + Margin, FormTop + FormHeight + 240 + 372 + 120);

template <typename Control>
Control* addFramed(QWidget* parent, const char* name, const QString& caption, int top, int height) {
    auto* control = AddFramedControl<Control>(parent, caption, QLatin1String(name),
                                              QRect(Margin, top, Width, height),
                                              QRect(240, 240, Width - 480, 372));
    NameAfterFrame(*control);
    return control;
}
}  // namespace

SymbolFormEditor::SymbolFormEditor(Platform& platform, QWidget* parent)
    : FixedDialog(CornerLayout(QStringLiteral("SymbolForm"), tr("Symbol form"), Client), parent),
      platform_(platform),
      exchange_(addFramed<ExchangePicker>(this, "FormExchange", tr("&Exchange"), 180, 732)),
      form_(addFramed<QLineEdit>(this, "FormText", tr("Symbol &form"), FormTop, FormHeight)) {
    LimitDropHeight(*exchange_, 16);  // item heights, the closed box included
    exchange_->setToolTip(
        tr("A market of the list, or any market identifier code of four "
           "letters or digits"));
    //: %1 is an example of a symbol form
    const QString alsoLse = tr("%1 or LSE:{symbol}").arg(FormExample);
    const QString help =
        tr("Put {symbol} where the stock's symbol goes, for example") + u' ' + alsoLse;
    form_->setToolTip(help);
    form_->setPlaceholderText(FormExample);
    auto* example = new QLabel(help, form_->parentWidget());
    example->setObjectName(QStringLiteral("FormHelp"));
    example->setWordWrap(true);
    PlaceAt(*example, 240, 660, Width - 480, 540);
    chainTabOrder({exchange_, form_});
}

void SymbolFormEditor::Form_Init(SymbolForms forms, size_t index) {
    forms_ = std::move(forms);
    index_ = std::min(index, forms_.size());
    const bool isNew = index_ == forms_.size();
    exchange_->setCode(isNew ? QString() : forms_[index_].exchange);
    form_->setText(isNew ? QString() : forms_[index_].form);
}

QString SymbolFormEditor::problem(const SymbolForm& edited, QWidget*& field) const {
    field = exchange_;
    if (const QString problem = ExchangeProblem(edited.exchange); !problem.isEmpty()) {
        return problem + u'.';
    }
    const SymbolForm* other = FormFor(forms_, edited.exchange);
    if (other && other != (index_ < forms_.size() ? &forms_[index_] : nullptr)) {
        return tr("%1 has a symbol form already.").arg(edited.exchange);
    }
    field = form_;
    return SymbolFormProblem(edited.form);
}

bool SymbolFormEditor::applyChanges() {
    const SymbolForm edited{exchange_->code(), form_->text().trimmed()};
    QWidget* field = nullptr;
    if (const QString why = problem(edited, field); !why.isEmpty()) {
        platform_.message(why);
        field->setFocus(Qt::OtherFocusReason);
        return false;
    }
    if (index_ == forms_.size()) {
        forms_.push_back(edited);
    } else {
        forms_[index_] = edited;
    }
    return true;
}

QWidget& SymbolFormEditor::firstField() {
    return *exchange_;
}

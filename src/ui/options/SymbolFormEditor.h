#pragma once

#include "model/SymbolForms.h"
#include "ui/kit/FixedDialog.h"

class Platform;
class ExchangePicker;
class QLineEdit;

// "Symbol form": the exchange and the symbol form of one row of a chart site's symbol forms.
// It edits a working table of the symbol forms dialog.
class SymbolFormEditor : public FixedDialog {
    Q_OBJECT
  public:
    SymbolFormEditor(Platform& platform, QWidget* parent);

    // Fills the dialog from forms[index], or blank for a new row at the end when `index` is
    // past the table's end.
    void Form_Init(SymbolForms forms, size_t index);

    // The working table with the edited row in its place, once Done has closed the dialog.
    const SymbolForms& forms() const { return forms_; }
    size_t index() const { return index_; }

  protected:
    // Refuses a code that is no market identifier code, an exchange the table has already and
    // a form that cannot make symbols.
    bool applyChanges() override;
    QWidget& firstField() override;

  private:
    QString problem(const SymbolForm& edited, QWidget*& field) const;

    Platform& platform_;
    ExchangePicker* exchange_;
    QLineEdit* form_;
    SymbolForms forms_;
    size_t index_ = 0;
};

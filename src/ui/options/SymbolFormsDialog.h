#pragma once

#include "model/SymbolForms.h"
#include "ui/kit/CommandGuard.h"
#include "ui/kit/FixedDialog.h"

#include <optional>

class Platform;
class QComboBox;
class QTreeWidget;
class SymbolFormEditor;

// "Symbol forms of <site>": a chart site's table "exchange -> symbol form", edited row by row
// or reset to one of the presets. It edits a working copy of the chart sites dialog, which
// applies it at its own Done.
class SymbolFormsDialog : public FixedDialog {
    Q_OBJECT
  public:
    SymbolFormsDialog(Platform& platform, QWidget* parent);

    // Fills the dialog with the table `forms` of the site `siteName`. The preset offered first
    // is the one the table is, else the one `usual` is (the site's table before any change).
    void Forms_Init(const QString& siteName, SymbolForms forms, const SymbolForms& usual);

    // The table, once Done has closed the dialog.
    const SymbolForms& forms() const { return forms_; }

    void Add_Click();
    void Change_Click();
    void Remove_Click();
    void Reset_Click();

  protected:
    bool applyChanges() override { return true; }
    QWidget& firstField() override;
    // Enter on a row changes it, Delete removes it.
    bool eventFilter(QObject* watched, QEvent* event) override;

  private:
    void buildButtons(std::vector<QWidget*>& order);
    // The row chosen in the table, or nothing, with a beep.
    std::optional<size_t> chosenRow() const;
    void showRows(int current);

    Platform& platform_;
    CommandGuard guard_{platform_};
    QTreeWidget* table_;
    QComboBox* preset_;
    SymbolFormEditor* editor_;
    SymbolForms forms_;
};

#pragma once

#include "model/ChartSitesDraft.h"
#include "ui/kit/CommandGuard.h"
#include "ui/kit/ModelDialog.h"

#include <vector>

class ChartSiteEditor;
class PresetChooser;
class SymbolFormsDialog;
class QCheckBox;
class QComboBox;
class QPushButton;
class QTreeWidget;
struct StockRecord;

// "Chart sites": every chart site in the order of the pages, the four built-in ones first, then
// the sites made from address templates. Where each one's charts open and whether it is
// enabled are set below the list; template sites are added, edited, removed and reordered
// with the buttons; any site can be tried on a stock in the browser and have its symbol forms
// edited. A switch below adds the one-page chart browser to the pages. Everything is a working
// copy until Done applies it all at once.
class ChartSitesDialog : public ModelDialog {
    Q_OBJECT
  public:
    ChartSitesDialog(Model& model, StockView& tree, Platform& platform, QWidget* parent = nullptr);

    // Fills the list from the model, the first site selected.
    void ChartSites_Init();

    void Add_Click();
    void Edit_Click();
    void Remove_Click();
    void MoveUp_Click() { move(-1); }
    void MoveDown_Click() { move(1); }
    // Opens the chart of the stock selected in the main window, else of the selected type's
    // first stock, else of the list's first stock.
    void Try_Click();
    // Edits the selected site's symbol forms.
    void Forms_Click();

  protected:
    // Refuses to leave the initial page's site disabled.
    bool applyChanges() override;
    QWidget& firstField() override;

  private:
    // Appends the buttons to the tab order.
    void buildButtons(std::vector<QWidget*>& order);
    void buildRowChoices();
    int currentRow() const;
    void showRows(int current);
    void showRow(int row);
    void showRowChoices();
    void setDisplay(int display);
    void setEnabled(bool enabled);
    void openEditor(std::vector<ChartSiteSettings> sites, size_t index, bool isNew);
    void addChosen();
    void move(int by);
    const StockRecord* tryStock() const;
    bool startPageKept();

    CommandGuard guard_{platform_};
    std::vector<QPushButton*> templateButtons_;  // Edit, Remove and the moves
    QTreeWidget* siteList_;
    QComboBox* siteDisplay_ = nullptr;
    QCheckBox* siteEnabled_ = nullptr;
    QCheckBox* onePage_ = nullptr;
    PresetChooser* chooser_;
    ChartSiteEditor* editor_;
    SymbolFormsDialog* forms_;
    ChartSitesDraft draft_;
};

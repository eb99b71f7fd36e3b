#pragma once

#include "model/ChartSiteSettings.h"
#include "ui/kit/FixedDialog.h"

#include <vector>

class Platform;
class QCheckBox;
class QComboBox;
class QLineEdit;

// "Chart site": the name, address template, symbols, where charts open and whether it is
// enabled, of one chart site made from an address template. It edits a working list of the
// chart sites dialog, which applies the list at its own Done.
class ChartSiteEditor : public FixedDialog {
    Q_OBJECT
  public:
    ChartSiteEditor(Platform& platform, QWidget* parent);

    // Fills the dialog from sites[index]. A new site takes a file name made from its name at
    // Done; an existing one keeps its file name, so bookmarks of its pages stay good.
    void Site_Init(std::vector<ChartSiteSettings> sites, size_t index, bool isNew);

    // The working list with the edited site in its place, once Done has closed the dialog.
    const std::vector<ChartSiteSettings>& sites() const { return sites_; }
    size_t index() const { return index_; }

  protected:
    // Refuses a name the site cannot have and, for an enabled site, a template that cannot
    // make chart links: a site that is off may wait for its template.
    bool applyChanges() override;
    QWidget& firstField() override;

  private:
    Platform& platform_;
    QLineEdit* siteName_;
    QLineEdit* siteTemplate_;
    QComboBox* symbolsFrom_;
    QComboBox* siteDisplay_;
    QCheckBox* siteEnabled_;
    std::vector<ChartSiteSettings> sites_;
    size_t index_ = 0;
    bool isNew_ = false;
};

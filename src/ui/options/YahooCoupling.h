#pragma once

#include "model/SiteTable.h"
#include "ui/options/SiteOptionsDialog.h"

#include <memory>

class QComboBox;

// Yahoo's time period and view type: a one-day chart always has the basic view, and a
// comparison or moving-average view moves a one- or five-day period up to three months. Each
// list's change of selection, by the user or by the other rule, runs its rule.
class YahooCoupling : public QObject, public SiteDialogRule {
    Q_OBJECT
  public:
    YahooCoupling(QComboBox& timePeriod, QComboBox& viewType);
    // Opening acts as if the view type were chosen first and the time period last, after
    // which only the time period's rule can still change anything.
    void filled() override { TimePeriod_Click(); }

    void TimePeriod_Click();
    void ViewType_Click();

  private:
    QComboBox& timePeriod_;
    QComboBox& viewType_;
};

// The rule of `site` over the controls of `dialog`, or none.
std::unique_ptr<SiteDialogRule> RuleFor(SiteId site, QWidget& dialog);

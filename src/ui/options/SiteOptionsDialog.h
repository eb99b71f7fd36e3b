#pragma once

#include "model/SettingField.h"
#include "model/SiteTable.h"
#include "ui/kit/ModelDialog.h"

#include <memory>
#include <vector>

struct DialogControl;
struct SiteDialog;

// A site's own rule over its dialog's controls, beyond filling and copying them.
class SiteDialogRule {
  public:
    virtual ~SiteDialogRule() = default;
    // Runs once the controls hold the model's values, before the dialog shows.
    virtual void filled() = 0;
};

// The chart options dialog of one site, built from the site's description
// (sites/SiteDialog.h). Init fills every control from the site's settings; Done copies them
// back and sets SettingsChanged; Cancel copies nothing.
class SiteOptionsDialog : public ModelDialog {
    Q_OBJECT
  public:
    SiteOptionsDialog(Model& model, StockView& tree, Platform& platform, SiteId site,
                      QWidget* parent = nullptr);
    ~SiteOptionsDialog() override;

    // BigCharts_Init, StockMaster_Init, StockPoint_Init, Yahoo_Init: fills the controls from
    // the model. Showing the dialog is the caller's step.
    void Init();

  protected:
    bool applyChanges() override;
    QWidget& firstField() override;

  private:
    struct Bound {
        const DialogControl* control;
        QWidget* widget;
        SettingField field;  // in the model
        qint16 fallback;     // a list's default, for a stored index outside its table
    };
    static Layout layoutOf(const SiteDialog& dialog);
    void build(SiteId site);
    QWidget* makeControl(const DialogControl& control, QWidget* frame);
    void fill(const Bound& bound);
    void copy(const Bound& bound) const;
    bool daysAreNumbers();

    const SiteDialog& dialog_;
    std::vector<Bound> bound_;
    std::unique_ptr<SiteDialogRule> rule_;
};

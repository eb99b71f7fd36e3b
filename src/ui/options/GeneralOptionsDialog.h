#pragma once

#include "model/SiteTable.h"
#include "ui/kit/ModelDialog.h"

#include <array>
#include <vector>

class ColorSample;
class QButtonGroup;
class QCheckBox;
class QComboBox;
class QGroupBox;
class QLineEdit;
class QRadioButton;
class QSlider;

// "General options": the output folder, the sites that get pages, the site the start page
// shows, the navigation frame's width and colours, and three switches. Everything but the
// browser-colours box is a working copy until Done.
class GeneralOptionsDialog : public ModelDialog {
    Q_OBJECT
  public:
    GeneralOptionsDialog(Model& model, StockView& tree, Platform& platform,
                         QWidget* parent = nullptr);

    // Fills the dialog from the general settings.
    void GenOpts_Init();

    void PathBrowse_Click();
    void SetTextColor_Click();
    void SetBackColor_Click();
    void ColorCheckBox_Click(bool checked);

  protected:
    bool applyChanges() override;
    QWidget& firstField() override;

  private:
    void buildSites();
    void buildStartChoices();
    void buildPath();
    void buildWidth();
    void buildColors();
    void buildSwitches();
    void fill();
    void showWidth(int percent);
    void showColorMode(bool browserColors);
    void fillStartPage(const QString& startPage);
    // Stores the start page chosen; false when its site is not enabled.
    bool storeStartPage();

    PerSite<QCheckBox*> siteBoxes_{};  // in site order
    // One per built-in site in site order, then one for the template site startSite_ names.
    std::vector<QRadioButton*> startButtons_;
    QButtonGroup* startGroup_;
    QComboBox* startSite_ = nullptr;
    QLineEdit* htmlPath_ = nullptr;
    QPushButton* pathBrowse_ = nullptr;
    QGroupBox* pwFrame_ = nullptr;
    QSlider* panelWidth_ = nullptr;
    QCheckBox* colorCheckBox_ = nullptr;
    ColorSample* colorSample_ = nullptr;
    QPushButton* setTextColor_ = nullptr;
    QPushButton* setBackColor_ = nullptr;
    std::vector<QCheckBox*> switches_;
};

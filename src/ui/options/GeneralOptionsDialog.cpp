#include "ui/options/GeneralOptionsDialog.h"

#include "files/DefaultHtmlDir.h"
#include "files/HtmlDirPath.h"
#include "model/ChartSitesDraft.h"
#include "model/Model.h"
#include "model/SiteTable.h"
#include "ui/kit/AccessibleName.h"
#include "ui/kit/Buttons.h"
#include "ui/kit/CornerButtons.h"
#include "ui/options/ColorSample.h"
#include "ui/platform/Platform.h"

#include <QButtonGroup>
#include <QCheckBox>
#include <QComboBox>
#include <QCoreApplication>
#include <QGroupBox>
#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QSignalBlocker>
#include <QSlider>

#include <algorithm>

namespace {
struct Choice {
    const char* name;
    const char* caption;
};

// One start page button per built-in site, in site order, then the one for a template site.
constexpr int BuiltIn = static_cast<int>(AllSites.size());
constexpr std::size_t StartChoices = AllSites.size() + 1;

struct Switch {
    Choice box;
    bool GeneralSettings::*flag;
};
constexpr std::array<Switch, 3> Switches{{
    {{"UpperStock",
      QT_TRANSLATE_NOOP("GeneralOptionsDialog", "Use &uppercase for new stock symbols")},
     &GeneralSettings::ForceUpper},
    {{"NoLbCheck", QT_TRANSLATE_NOOP("GeneralOptionsDialog", "No &line wraps in navigation frame")},
     &GeneralSettings::NoLineWraps},
    {{"SavePosCheck",
      QT_TRANSLATE_NOOP("GeneralOptionsDialog", "&Save main form position and size")},
     &GeneralSettings::UseSavedGeometry},
}};

constexpr int LowestPercent = 10;
constexpr int HighestPercent = 50;

// Layout in twips: a column of the two site frames on the left, the path, width and colour
// frames on the right, the switches and the buttons below both.
constexpr int Gap = 120;
constexpr int LeftWidth = 3240;
constexpr int RightLeft = Gap + LeftWidth + Gap;
constexpr int RightWidth = 5040;
constexpr int RightBottom = 3360;
constexpr int ClientWidth = RightLeft + RightWidth + Gap;
constexpr int FirstRow = 300;
constexpr int RowPitch = 300;
constexpr int RowHeight = 264;

constexpr int listHeight(std::size_t rows) {
    return FirstRow + static_cast<int>(rows) * RowPitch + 60;
}
constexpr int StartTop = Gap + listHeight(AllSites.size()) + Gap;
constexpr int SwitchesTop = std::max(StartTop + listHeight(StartChoices), RightBottom) + Gap;
constexpr int SwitchesHeight = listHeight(Switches.size());
// Beside Cancel and Done.
constexpr int SwitchesWidth = ClientWidth - 4 * Gap - 2 * CornerButtons::Width;
constexpr int ClientHeight = SwitchesTop + SwitchesHeight + Gap;
constexpr QSize Client(ClientWidth, ClientHeight);
// The template site's button leaves room for the list of template sites beside it.
constexpr int OwnButtonWidth = 1200;

QRect rowTwips(std::size_t row, int left, int width) {
    return QRect(left, FirstRow + static_cast<int>(row) * RowPitch, width, RowHeight);
}

// One button per row of a frame, top to bottom.
template <typename Button>
Button* addRow(QGroupBox* frame, const QString& name, const QString& caption, std::size_t row,
               int width) {
    return AddButton<Button>(frame, name, caption, rowTwips(row, 240, width));
}
}  // namespace

GeneralOptionsDialog::GeneralOptionsDialog(Model& model, StockView& tree, Platform& platform,
                                           QWidget* parent)
    : ModelDialog(model, tree, platform,
                  CornerLayout(QStringLiteral("GenOpts"), tr("General options"), Client), parent),
      startGroup_(new QButtonGroup(this)) {
    buildSites();
    buildPath();
    buildWidth();
    buildColors();
    buildSwitches();
    std::vector<QWidget*> order(siteBoxes_.begin(), siteBoxes_.end());
    order.insert(order.end(), startButtons_.begin(), startButtons_.end());
    order.insert(order.end(), {startSite_, htmlPath_, pathBrowse_, panelWidth_, colorCheckBox_,
                               setTextColor_, setBackColor_});
    order.insert(order.end(), switches_.begin(), switches_.end());
    chainTabOrder(order);
}

void GeneralOptionsDialog::buildSites() {
    QGroupBox* sites =
        AddFrame(this, tr("Web sites enabled"), Gap, Gap, LeftWidth, listHeight(AllSites.size()));
    for (SiteId id : AllSites) {
        const auto row = static_cast<std::size_t>(id);
        siteBoxes_[row] = addRow<QCheckBox>(
            sites, Site(id).name + QStringLiteral("Web"),
            QCoreApplication::translate("SiteTable", Site(id).enableCaption), row, LeftWidth - 360);
    }
    buildStartChoices();
}

void GeneralOptionsDialog::buildStartChoices() {
    QGroupBox* start = AddFrame(this, tr("Initial page points to"), Gap, StartTop, LeftWidth,
                                listHeight(StartChoices));
    for (SiteId id : AllSites) {
        startButtons_.push_back(
            addRow<QRadioButton>(start, QStringLiteral("Start_") + QLatin1String(Site(id).code),
                                 QCoreApplication::translate("SiteTable", Site(id).startCaption),
                                 static_cast<std::size_t>(id), LeftWidth - 360));
    }
    startButtons_.push_back(addRow<QRadioButton>(start, QStringLiteral("Start_OWN"),
                                                 tr("Ow&n site"), AllSites.size(), OwnButtonWidth));
    for (std::size_t i = 0; i < startButtons_.size(); ++i) {
        startGroup_->addButton(startButtons_[i], static_cast<int>(i));
    }
    startSite_ = new QComboBox(start);
    startSite_->setObjectName(QStringLiteral("StartSite"));
    startSite_->setAccessibleName(tr("Own site of the initial page"));
    PlaceAt(*startSite_,
            rowTwips(AllSites.size(), 240 + OwnButtonWidth, LeftWidth - 480 - OwnButtonWidth)
                .adjusted(0, -30, 0, 30));
    // Choosing a site chooses it for the initial page.
    connect(startSite_, &QComboBox::currentIndexChanged, startButtons_.back(),
            [this] { startButtons_.back()->setChecked(true); });
}

void GeneralOptionsDialog::buildPath() {
    htmlPath_ = AddFramedControl<QLineEdit>(
        this, tr("Path for HTML &files"), QStringLiteral("HtmlPath"),
        QRect(RightLeft, Gap, RightWidth, 720), QRect(120, 282, RightWidth - 1320, 312));
    NameAfterFrame(*htmlPath_);
    pathBrowse_ = AddButton(htmlPath_->parentWidget(), QStringLiteral("PathBrowse"), tr("B&rowse"),
                            QRect(RightWidth - 1080, 252, 960, 372));
    connect(pathBrowse_, &QPushButton::clicked, this, &GeneralOptionsDialog::PathBrowse_Click);
}

void GeneralOptionsDialog::buildWidth() {
    pwFrame_ = AddFrame(this, QString(), RightLeft, 960, RightWidth, 840);
    pwFrame_->setObjectName(QStringLiteral("PwFrame"));
    panelWidth_ = new QSlider(Qt::Horizontal, pwFrame_);
    panelWidth_->setObjectName(QStringLiteral("PanelWidth"));
    panelWidth_->setRange(LowestPercent, HighestPercent);
    panelWidth_->setTickInterval(5);
    panelWidth_->setPageStep(5);
    panelWidth_->setTickPosition(QSlider::TicksBelow);
    PlaceAt(*panelWidth_, 120, 300, RightWidth - 240, 420);
    connect(panelWidth_, &QSlider::valueChanged, this, &GeneralOptionsDialog::showWidth);
}

void GeneralOptionsDialog::buildColors() {
    QGroupBox* frame =
        AddFrame(this, tr("Navigation frame colors"), RightLeft, 1920, RightWidth, 1440);
    colorCheckBox_ =
        AddButton<QCheckBox>(frame, QStringLiteral("ColorCheckBox"), tr("Use bro&wser default"),
                             QRect(120, 300, 2400, RowHeight));
    colorSample_ = new ColorSample(frame);
    colorSample_->setObjectName(QStringLiteral("ColorSample"));
    PlaceAt(*colorSample_, 120, 660, 2280, 624);
    setTextColor_ = AddButton(frame, QStringLiteral("SetTextColor"), tr("Set &text color"),
                              QRect(2640, 300, RightWidth - 2760, CornerButtons::Height));
    setBackColor_ = AddButton(frame, QStringLiteral("SetBackColor"), tr("Set back&ground color"),
                              QRect(2640, 780, RightWidth - 2760, CornerButtons::Height));
    connect(colorCheckBox_, &QCheckBox::clicked, this, &GeneralOptionsDialog::ColorCheckBox_Click);
    connect(setTextColor_, &QPushButton::clicked, this, &GeneralOptionsDialog::SetTextColor_Click);
    connect(setBackColor_, &QPushButton::clicked, this, &GeneralOptionsDialog::SetBackColor_Click);
    // The sample never holds the focus: a click on it hands the focus to the first button.
    connect(colorSample_, &ColorSample::clicked, this,
            [this] { setTextColor_->setFocus(Qt::MouseFocusReason); });
}

void GeneralOptionsDialog::buildSwitches() {
    QGroupBox* frame =
        AddFrame(this, tr("Additional options"), Gap, SwitchesTop, SwitchesWidth, SwitchesHeight);
    for (std::size_t i = 0; i < Switches.size(); ++i) {
        switches_.push_back(addRow<QCheckBox>(frame, QLatin1String(Switches[i].box.name),
                                              tr(Switches[i].box.caption), i, SwitchesWidth - 360));
    }
}

void GeneralOptionsDialog::GenOpts_Init() {
    fill();
}

void GeneralOptionsDialog::fill() {
    const GeneralSettings& general = model_.general;
    // The slider puts a value from a hand-edited store that it cannot show at its nearest end.
    panelWidth_->setValue(general.PanelPercent);
    showWidth(panelWidth_->value());
    htmlPath_->setText(general.HtmlDir);
    for (std::size_t i = 0; i < Switches.size(); ++i) {
        switches_[i]->setChecked(general.*Switches[i].flag);
    }
    for (SiteId site : AllSites) {
        ForSite(siteBoxes_, site)->setChecked(ForSite(general.SiteEnabled, site));
    }
    fillStartPage(general.StartPage);
    colorCheckBox_->setChecked(general.UseBrowserColors);
    colorSample_->setColors(general.TextColor, general.BackColor);
    showColorMode(general.UseBrowserColors);
}

void GeneralOptionsDialog::showWidth(int percent) {
    //: %1 is the width in percent of the page
    pwFrame_->setTitle(tr("Navigation frame width = %1%").arg(percent));
    NameAfterFrame(*panelWidth_);
}

void GeneralOptionsDialog::showColorMode(bool browserColors) {
    for (QWidget* control :
         {static_cast<QWidget*>(colorSample_), static_cast<QWidget*>(setTextColor_),
          static_cast<QWidget*>(setBackColor_)}) {
        control->setEnabled(!browserColors);
    }
    colorSample_->showSystemColors(browserColors);
}

void GeneralOptionsDialog::ColorCheckBox_Click(bool checked) {
    // Takes effect at once: Cancel does not undo it.
    model_.general.UseBrowserColors = checked;
    showColorMode(checked);
}

void GeneralOptionsDialog::SetTextColor_Click() {
    if (const auto color = platform_.chooseColor(colorSample_->textColor())) {
        colorSample_->setColors(*color, colorSample_->backColor());
    }
}

void GeneralOptionsDialog::SetBackColor_Click() {
    if (const auto color = platform_.chooseColor(colorSample_->backColor())) {
        colorSample_->setColors(colorSample_->textColor(), *color);
    }
}

void GeneralOptionsDialog::PathBrowse_Click() {
    // An empty field stays empty rather than proposing the root of the file system.
    if (!htmlPath_->text().isEmpty()) {
        htmlPath_->setText(WithTrailingSeparator(htmlPath_->text()));
    }
    // Only the folder is chosen here, so an existing file is no reason to ask.
    const QString chosen = platform_.chooseSaveFile(
        ExpandHome(htmlPath_->text()) + QStringLiteral("tickvane.html"),
        tr("HTML files (*.htm *.html);;All files (*)"), Platform::Overwrite::DontAsk);
    if (!chosen.isEmpty()) {
        htmlPath_->setText(FolderOf(chosen));
    }
}

bool GeneralOptionsDialog::applyChanges() {
    const QString path = ExpandHome(htmlPath_->text());
    if (const QString problem = HtmlDirProblem(path); !problem.isEmpty()) {
        platform_.message(problem);
        htmlPath_->setFocus(Qt::OtherFocusReason);
        return false;
    }
    GeneralSettings& general = model_.general;
    model_.SettingsChanged = true;
    for (std::size_t i = 0; i < Switches.size(); ++i) {
        general.*Switches[i].flag = switches_[i]->isChecked();
    }
    if (!storeStartPage()) {
        return false;
    }
    htmlPath_->setText(WithTrailingSeparator(path));
    general.HtmlDir = htmlPath_->text();
    for (SiteId site : AllSites) {
        ForSite(general.SiteEnabled, site) = ForSite(siteBoxes_, site)->isChecked();
    }
    general.PanelPercent = static_cast<qint16>(panelWidth_->value());
    if (!general.UseBrowserColors) {
        general.TextColor = colorSample_->textColor();
        general.BackColor = colorSample_->backColor();
    }
    return true;
}

// The template sites are offered beside the last button, the start page's one chosen. A start
// page that names no site leaves every button off.
void GeneralOptionsDialog::fillStartPage(const QString& startPage) {
    const std::vector<ChartSiteSettings>& sites = model_.chartSites;
    const QSignalBlocker quiet(startSite_);
    startSite_->clear();
    int chosen = -1;
    for (std::size_t i = 0; i < sites.size(); ++i) {
        startSite_->addItem(sites[i].Name);
        chosen = sites[i].FileName == startPage ? static_cast<int>(i) : chosen;
    }
    startSite_->setCurrentIndex(std::max(chosen, 0));
    startSite_->setEnabled(!sites.empty());
    startButtons_.back()->setEnabled(!sites.empty());
    startGroup_->setExclusive(false);
    for (int i = 0; i < BuiltIn; ++i) {
        startButtons_[i]->setChecked(Site(AllSites[i]).fileName == startPage);
    }
    startButtons_.back()->setChecked(chosen >= 0);
    startGroup_->setExclusive(true);
}

bool GeneralOptionsDialog::storeStartPage() {
    const int on = startGroup_->checkedId();
    if (on < 0) {
        return true;
    }
    QString& startPage = model_.general.StartPage;
    startPage = on < BuiltIn ? Site(AllSites[on]).fileName
                             : model_.chartSites[startSite_->currentIndex()].FileName;
    // The built-in sites' boxes are still working copies; template sites are enabled in the
    // chart sites dialog.
    ChartSitesDraft sites(model_);
    for (int row = 0; row < BuiltIn; ++row) {
        sites.setEnabled(row, siteBoxes_[row]->isChecked());
    }
    if (!sites.startPageInUse(startPage)) {
        platform_.message(ChartSitesDraft::startPageMessage());
        (on < BuiltIn ? siteBoxes_[on] : static_cast<QWidget*>(startSite_))
            ->setFocus(Qt::OtherFocusReason);
        return false;
    }
    return true;
}

QWidget& GeneralOptionsDialog::firstField() {
    return *siteBoxes_[0];
}

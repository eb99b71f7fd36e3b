#include "ui/options/GeneralOptionsDialog.h"

#include "model/DefaultHtmlDir.h"
#include "model/HtmlDirPath.h"
#include "model/Model.h"
#include "model/SiteTable.h"
#include "model/StartPage.h"
#include "ui/kit/AccessibleName.h"
#include "ui/kit/Buttons.h"
#include "ui/kit/CornerButtons.h"
#include "ui/options/ColorSample.h"
#include "ui/platform/Platform.h"

#include <QButtonGroup>
#include <QCheckBox>
#include <QGroupBox>
#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QSlider>

#include <algorithm>
#include <optional>

namespace {
struct Choice {
    const char* name;
    const char* caption;
};

// In site order.
constexpr std::array<Choice, 4> SiteBoxes{{
    {"BigChartsWeb", "&Big Charts"},
    {"StockMasterWeb", "Stock&Master"},
    {"StockPointWeb", "Stock&Point"},
    {"YahooWeb", "&Yahoo"},
}};

// The own site has no box here: its own dialog enables it.
struct StartChoice {
    Choice button;
    std::optional<SiteId> site;
};
constexpr std::array<StartChoice, 5> StartButtons{{
    {{"Start_BC", "B&ig Charts"}, SiteId::BigCharts},
    {{"Start_SM", "StockM&aster"}, SiteId::StockMaster},
    {{"Start_SP", "StockP&oint"}, SiteId::StockPoint},
    {{"Start_YH", "Ya&hoo"}, SiteId::Yahoo},
    {{"Start_OWN", "Ow&n site"}, std::nullopt},
}};

QString StartPageOf(const StartChoice& choice) {
    return choice.site ? Site(*choice.site).fileName : OwnSiteFileName;
}

struct Switch {
    Choice box;
    bool GeneralSettings::*flag;
};
constexpr std::array<Switch, 3> Switches{{
    {{"UpperStock", "Use &uppercase for new stock symbols"}, &GeneralSettings::ForceUpper},
    {{"NoLbCheck", "No &line wraps in navigation frame"}, &GeneralSettings::NoLineWraps},
    {{"SavePosCheck", "&Save main form position and size"}, &GeneralSettings::UseSavedGeometry},
}};

constexpr int LowestPercent = 10;
constexpr int HighestPercent = 50;

// Layout in twips: a column of the two site frames on the left, the path, width and colour
// frames on the right, the switches and the buttons below both.
constexpr int Gap = 120;
constexpr int LeftWidth = 2400;
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
constexpr int StartTop = Gap + listHeight(SiteBoxes.size()) + Gap;
constexpr int SwitchesTop = std::max(StartTop + listHeight(StartButtons.size()), RightBottom) + Gap;
constexpr int SwitchesHeight = listHeight(Switches.size());
// Beside Cancel and Done.
constexpr int SwitchesWidth = ClientWidth - 4 * Gap - 2 * CornerButtons::Width;
constexpr int ClientHeight = SwitchesTop + SwitchesHeight + Gap;
constexpr QSize Client(ClientWidth, ClientHeight);

// One button per row of a frame, top to bottom.
template <typename Button>
Button* addRow(QGroupBox* frame, const Choice& choice, std::size_t row, int width) {
    return AddButton<Button>(
        frame, QString::fromLatin1(choice.name), QString::fromLatin1(choice.caption),
        QRect(240, FirstRow + static_cast<int>(row) * RowPitch, width, RowHeight));
}
}  // namespace

GeneralOptionsDialog::GeneralOptionsDialog(Model& model, StockTree& tree, Platform& platform,
                                           QWidget* parent)
    : ModelDialog(model, tree, platform,
                  {QStringLiteral("GenOpts"), tr("General options"), Client,
                   CornerButtons::Cancel(Client), CornerButtons::Done(Client)},
                  parent),
      startGroup_(new QButtonGroup(this)) {
    buildSites();
    buildPath();
    buildWidth();
    buildColors();
    buildSwitches();
    std::vector<QWidget*> order(siteBoxes_.begin(), siteBoxes_.end());
    order.insert(order.end(), startButtons_.begin(), startButtons_.end());
    order.insert(order.end(), {HtmlPath_, PathBrowse_, PanelWidth_, ColorCheckBox_, SetTextColor_,
                               SetBackColor_});
    order.insert(order.end(), switches_.begin(), switches_.end());
    chainTabOrder(order);
}

void GeneralOptionsDialog::buildSites() {
    QGroupBox* sites =
        AddFrame(this, tr("Web sites enabled"), Gap, Gap, LeftWidth, listHeight(SiteBoxes.size()));
    for (std::size_t i = 0; i < SiteBoxes.size(); ++i) {
        siteBoxes_[i] = addRow<QCheckBox>(sites, SiteBoxes[i], i, LeftWidth - 360);
    }
    QGroupBox* start = AddFrame(this, tr("Initial page points to"), Gap, StartTop, LeftWidth,
                                listHeight(StartButtons.size()));
    for (std::size_t i = 0; i < StartButtons.size(); ++i) {
        startButtons_.push_back(
            addRow<QRadioButton>(start, StartButtons[i].button, i, LeftWidth - 360));
        startGroup_->addButton(startButtons_.back(), static_cast<int>(i));
    }
}

void GeneralOptionsDialog::buildPath() {
    HtmlPath_ = AddFramedControl<QLineEdit>(
        this, tr("Path for HTML &files"), QStringLiteral("HtmlPath"),
        QRect(RightLeft, Gap, RightWidth, 720), QRect(120, 282, RightWidth - 1320, 312));
    NameAfterFrame(*HtmlPath_);
    PathBrowse_ = AddButton(HtmlPath_->parentWidget(), QStringLiteral("PathBrowse"), tr("B&rowse"),
                            QRect(RightWidth - 1080, 252, 960, 372));
    connect(PathBrowse_, &QPushButton::clicked, this, &GeneralOptionsDialog::PathBrowse_Click);
}

void GeneralOptionsDialog::buildWidth() {
    PwFrame_ = AddFrame(this, QString(), RightLeft, 960, RightWidth, 840);
    PwFrame_->setObjectName(QStringLiteral("PwFrame"));
    PanelWidth_ = new QSlider(Qt::Horizontal, PwFrame_);
    PanelWidth_->setObjectName(QStringLiteral("PanelWidth"));
    PanelWidth_->setRange(LowestPercent, HighestPercent);
    PanelWidth_->setTickInterval(5);
    PanelWidth_->setPageStep(5);
    PanelWidth_->setTickPosition(QSlider::TicksBelow);
    PlaceAt(*PanelWidth_, 120, 300, RightWidth - 240, 420);
    connect(PanelWidth_, &QSlider::valueChanged, this, &GeneralOptionsDialog::showWidth);
}

void GeneralOptionsDialog::buildColors() {
    QGroupBox* frame =
        AddFrame(this, tr("Navigation frame colors"), RightLeft, 1920, RightWidth, 1440);
    ColorCheckBox_ =
        AddButton<QCheckBox>(frame, QStringLiteral("ColorCheckBox"), tr("Use bro&wser default"),
                             QRect(120, 300, 2400, RowHeight));
    ColorSample_ = new ColorSample(frame);
    ColorSample_->setObjectName(QStringLiteral("ColorSample"));
    PlaceAt(*ColorSample_, 120, 660, 2280, 624);
    SetTextColor_ = AddButton(frame, QStringLiteral("SetTextColor"), tr("Set &text color"),
                              QRect(2640, 300, RightWidth - 2760, CornerButtons::Height));
    SetBackColor_ = AddButton(frame, QStringLiteral("SetBackColor"), tr("Set back&ground color"),
                              QRect(2640, 780, RightWidth - 2760, CornerButtons::Height));
    connect(ColorCheckBox_, &QCheckBox::clicked, this, &GeneralOptionsDialog::ColorCheckBox_Click);
    connect(SetTextColor_, &QPushButton::clicked, this, &GeneralOptionsDialog::SetTextColor_Click);
    connect(SetBackColor_, &QPushButton::clicked, this, &GeneralOptionsDialog::SetBackColor_Click);
    // The sample never holds the focus: a click on it hands the focus to the first button.
    connect(ColorSample_, &ColorSample::clicked, this,
            [this] { SetTextColor_->setFocus(Qt::MouseFocusReason); });
}

void GeneralOptionsDialog::buildSwitches() {
    QGroupBox* frame =
        AddFrame(this, tr("Additional options"), Gap, SwitchesTop, SwitchesWidth, SwitchesHeight);
    for (std::size_t i = 0; i < Switches.size(); ++i) {
        switches_.push_back(addRow<QCheckBox>(frame, Switches[i].box, i, SwitchesWidth - 360));
    }
}

void GeneralOptionsDialog::GenOpts_Init() {
    fill();
}

void GeneralOptionsDialog::fill() {
    const GeneralSettings& general = model_.general;
    // The slider puts a value from a hand-edited store that it cannot show at its nearest end.
    PanelWidth_->setValue(general.PanelPercent);
    showWidth(PanelWidth_->value());
    HtmlPath_->setText(general.HtmlDir);
    for (std::size_t i = 0; i < Switches.size(); ++i) {
        switches_[i]->setChecked(general.*Switches[i].flag);
    }
    for (SiteId site : AllSites) {
        siteBoxes_[static_cast<int>(site)]->setChecked(general.*Site(site).enable);
    }
    // A start page that names no site leaves every button off.
    startGroup_->setExclusive(false);
    for (std::size_t i = 0; i < StartButtons.size(); ++i) {
        startButtons_[i]->setChecked(StartPageOf(StartButtons[i]) == general.StartPage);
    }
    startGroup_->setExclusive(true);
    ColorCheckBox_->setChecked(general.UseBrowserColors);
    ColorSample_->setColors(general.TextColor, general.BackColor);
    showColorMode(general.UseBrowserColors);
}

void GeneralOptionsDialog::showWidth(int percent) {
    PwFrame_->setTitle(tr("Navigation frame width = %1%").arg(percent));
    NameAfterFrame(*PanelWidth_);
}

void GeneralOptionsDialog::showColorMode(bool browserColors) {
    for (QWidget* control :
         {static_cast<QWidget*>(ColorSample_), static_cast<QWidget*>(SetTextColor_),
          static_cast<QWidget*>(SetBackColor_)}) {
        control->setEnabled(!browserColors);
    }
    ColorSample_->showSystemColors(browserColors);
}

void GeneralOptionsDialog::ColorCheckBox_Click(bool checked) {
    // Takes effect at once: Cancel does not undo it.
    model_.general.UseBrowserColors = checked;
    showColorMode(checked);
}

void GeneralOptionsDialog::SetTextColor_Click() {
    if (const auto color = platform_.chooseColor(ColorSample_->textColor())) {
        ColorSample_->setColors(*color, ColorSample_->backColor());
    }
}

void GeneralOptionsDialog::SetBackColor_Click() {
    if (const auto color = platform_.chooseColor(ColorSample_->backColor())) {
        ColorSample_->setColors(ColorSample_->textColor(), *color);
    }
}

void GeneralOptionsDialog::PathBrowse_Click() {
    // An empty field stays empty rather than proposing the root of the file system.
    if (!HtmlPath_->text().isEmpty()) {
        HtmlPath_->setText(WithTrailingSeparator(HtmlPath_->text()));
    }
    // Only the folder is chosen here, so an existing file is no reason to ask.
    const QString chosen = platform_.chooseSaveFile(
        ExpandHome(HtmlPath_->text()) + QStringLiteral("tickvane.html"),
        tr("HTML files (*.htm *.html);;All files (*)"), Platform::Overwrite::DontAsk);
    if (!chosen.isEmpty()) {
        HtmlPath_->setText(FolderOf(chosen));
    }
}

bool GeneralOptionsDialog::applyChanges() {
    const QString path = ExpandHome(HtmlPath_->text());
    if (const QString problem = HtmlDirProblem(path); !problem.isEmpty()) {
        platform_.message(problem);
        HtmlPath_->setFocus(Qt::OtherFocusReason);
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
    HtmlPath_->setText(WithTrailingSeparator(path));
    general.HtmlDir = HtmlPath_->text();
    for (SiteId site : AllSites) {
        general.*Site(site).enable = siteBoxes_[static_cast<int>(site)]->isChecked();
    }
    general.PanelPercent = static_cast<qint16>(PanelWidth_->value());
    if (!general.UseBrowserColors) {
        general.TextColor = ColorSample_->textColor();
        general.BackColor = ColorSample_->backColor();
    }
    return true;
}

bool GeneralOptionsDialog::storeStartPage() {
    const int on = startGroup_->checkedId();
    if (on < 0) {
        return true;
    }
    const std::optional<SiteId> site = StartButtons[on].site;
    model_.general.StartPage = StartPageOf(StartButtons[on]);
    // The four sites' boxes are still working copies; the own site is enabled in its dialog.
    QCheckBox* box = site ? siteBoxes_[static_cast<int>(*site)] : nullptr;
    if (box ? !box->isChecked() : !NamesEnabledSite(model_, OwnSiteFileName)) {
        platform_.message(tr("You must enable the web site used for the initial page"));
        (box ? static_cast<QWidget*>(box) : startButtons_[on])->setFocus(Qt::OtherFocusReason);
        return false;
    }
    return true;
}

QWidget& GeneralOptionsDialog::firstField() {
    return *siteBoxes_[0];
}

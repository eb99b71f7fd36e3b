#include "ui/options/ChartSitesDialog.h"

#include "model/AddressTemplate.h"
#include "model/ChartSitePresets.h"
#include "model/Model.h"
#include "sites/ChartSite.h"
#include "sites/SiteSymbols.h"
#include "sites/TemplateSite.h"
#include "ui/kit/AccessibleName.h"
#include "ui/kit/Buttons.h"
#include "ui/kit/CornerButtons.h"
#include "ui/kit/StockView.h"
#include "ui/options/ChartSiteEditor.h"
#include "ui/options/PresetChooser.h"
#include "ui/options/SymbolFormsDialog.h"
#include "ui/platform/OpenDocument.h"
#include "ui/platform/Platform.h"

#include <QCheckBox>
#include <QComboBox>
#include <QCoreApplication>
#include <QHeaderView>
#include <QSignalBlocker>
#include <QTreeWidget>

namespace {
// Layout in twips: the list with the buttons beside it, the selected site's choices below it
// with the symbol forms button beside them, and left of Cancel and Done the one-page switch.
constexpr int Gap = 120;
constexpr int NameWidth = 3360;  // a name of 40 characters
constexpr int ListWidth = NameWidth + 5040;
constexpr int ListHeight = 3600;
constexpr int ButtonsLeft = Gap + ListWidth + Gap;
constexpr int ButtonWidth = 1320;
constexpr int ChoicesTop = Gap + ListHeight + Gap;
constexpr int ChoicesHeight = 732;
constexpr QSize Client(ButtonsLeft + ButtonWidth + Gap,
                       ChoicesTop + ChoicesHeight + Gap + CornerButtons::Height + Gap);
constexpr QRect OnePageBox(Gap, Client.height() - Gap - CornerButtons::Height,
                           CornerButtons::Cancel(Client).left() - 2 * Gap, CornerButtons::Height);

struct ButtonSpec {
    const char* name;
    const char* caption;
    int top;
    void (ChartSitesDialog::*click)();
    bool guarded;       // it opens a dialog or may show a message
    bool templateOnly;  // a built-in site has nothing it could do
};
// In the tab order the first one, beside the selected site's choices, follows them.
constexpr ButtonSpec Buttons[] = {
    {"Forms", QT_TRANSLATE_NOOP("ChartSitesDialog", "Symbol &forms…"), ChoicesTop + 300,
     &ChartSitesDialog::Forms_Click, true, false},
    {"Add", QT_TRANSLATE_NOOP("ChartSitesDialog", "&Add…"), 300, &ChartSitesDialog::Add_Click, true,
     false},
    {"Edit", QT_TRANSLATE_NOOP("ChartSitesDialog", "&Edit…"), 780, &ChartSitesDialog::Edit_Click,
     true, true},
    {"Remove", QT_TRANSLATE_NOOP("ChartSitesDialog", "&Remove"), 1260,
     &ChartSitesDialog::Remove_Click, true, true},
    {"MoveUp", QT_TRANSLATE_NOOP("ChartSitesDialog", "Move &up"), 1860,
     &ChartSitesDialog::MoveUp_Click, false, true},
    {"MoveDown", QT_TRANSLATE_NOOP("ChartSitesDialog", "Move do&wn"), 2340,
     &ChartSitesDialog::MoveDown_Click, false, true},
    {"Try", QT_TRANSLATE_NOOP("ChartSitesDialog", "&Try"), 2940, &ChartSitesDialog::Try_Click, true,
     false},
};

QString yesNo(bool value) {
    return value ? QCoreApplication::translate("ChartSitesDialog", "Yes")
                 : QCoreApplication::translate("ChartSitesDialog", "No");
}
}  // namespace

ChartSitesDialog::ChartSitesDialog(Model& model, StockView& tree, Platform& platform,
                                   QWidget* parent)
    : ModelDialog(model, tree, platform,
                  CornerLayout(QStringLiteral("ChartSites"), tr("Chart sites"), Client), parent),
      siteList_(AddFramedControl<QTreeWidget>(this, tr("Chart &sites"), QStringLiteral("SiteList"),
                                              QRect(Gap, Gap, ListWidth, ListHeight),
                                              QRect(120, 300, ListWidth - 240, ListHeight - 420))),
      chooser_(new PresetChooser(this)),
      editor_(new ChartSiteEditor(platform, this)),
      forms_(new SymbolFormsDialog(platform, this)),
      draft_(model) {
    NameAfterFrame(*siteList_);
    siteList_->setRootIsDecorated(false);
    siteList_->setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    siteList_->setHeaderLabels({tr("Name"), tr("Charts open"), tr("Enabled")});
    siteList_->header()->resizeSection(0, LayoutPixels(*this, NameWidth));
    siteList_->header()->resizeSection(1, LayoutPixels(*this, 2640));
    connect(siteList_, &QTreeWidget::currentItemChanged, this, &ChartSitesDialog::showRowChoices);
    guard_.connectCommand(siteList_, &QTreeWidget::itemDoubleClicked, [this] { Edit_Click(); });
    buildRowChoices();
    onePage_ =
        AddButton<QCheckBox>(this, QStringLiteral("OnePage"),
                             tr("Also write a one-&page chart browser (index.html)"), OnePageBox);
    std::vector<QWidget*> order{siteList_, siteDisplay_, siteEnabled_};
    buildButtons(order);
    order.push_back(onePage_);
    chainTabOrder(order);
    // The Add command goes on into the editor, still holding the guard.
    connect(chooser_, &QDialog::accepted, this, &ChartSitesDialog::addChosen);
    connect(editor_, &QDialog::accepted, this, [this] {
        draft_.setTemplateSites(editor_->sites());
        showRows(ChartSitesDraft::BuiltInRows + static_cast<int>(editor_->index()));
    });
    // The forms dialog is modal, so the row it was opened for is still the current one.
    connect(forms_, &QDialog::accepted, this,
            [this] { draft_.setForms(currentRow(), forms_->forms()); });
}

void ChartSitesDialog::buildButtons(std::vector<QWidget*>& order) {
    for (const ButtonSpec& spec : Buttons) {
        QPushButton* button =
            AddButton(this, QLatin1String(spec.name), tr(spec.caption),
                      QRect(ButtonsLeft, spec.top, ButtonWidth, CornerButtons::Height));
        const auto click = [this, &spec] { (this->*spec.click)(); };
        if (spec.guarded) {
            guard_.connectCommand(button, &QPushButton::clicked, click);
        } else {
            connect(button, &QPushButton::clicked, this, click);
        }
        order.push_back(button);
        if (spec.templateOnly) {
            templateButtons_.push_back(button);
        }
    }
}

void ChartSitesDialog::buildRowChoices() {
    siteDisplay_ = AddFramedControl<QComboBox>(
        this, tr("Charts &open"), QStringLiteral("SiteDisplay"),
        QRect(Gap, ChoicesTop, 3300, ChoicesHeight), QRect(240, 240, 2820, 372));
    NameAfterFrame(*siteDisplay_);
    for (const QString& label : DisplayTable().Labels) {
        siteDisplay_->addItem(label);
    }
    siteEnabled_ = AddButton<QCheckBox>(this, QStringLiteral("SiteEnabled"), tr("E&nabled"),
                                        QRect(3600, ChoicesTop + 300, 2400, 300));
    connect(siteDisplay_, &QComboBox::currentIndexChanged, this, &ChartSitesDialog::setDisplay);
    connect(siteEnabled_, &QCheckBox::toggled, this, &ChartSitesDialog::setEnabled);
}

void ChartSitesDialog::ChartSites_Init() {
    draft_ = ChartSitesDraft(model_);
    onePage_->setChecked(model_.general.OnePage);
    showRows(0);
}

int ChartSitesDialog::currentRow() const {
    return siteList_->indexOfTopLevelItem(siteList_->currentItem());
}

void ChartSitesDialog::showRows(int current) {
    siteList_->clear();
    for (int row = 0; row < draft_.rowCount(); ++row) {
        siteList_->addTopLevelItem(new QTreeWidgetItem(3));
        showRow(row);
    }
    siteList_->setCurrentItem(siteList_->topLevelItem(current));
}

void ChartSitesDialog::showRow(int row) {
    const ChartSiteSettings site = draft_.site(row);
    QTreeWidgetItem* item = siteList_->topLevelItem(row);
    item->setText(0, site.Name);
    item->setText(1, DisplayTable().label(site.Display));
    item->setText(2, yesNo(site.Enabled));
}

// The choices below the list show the selected row's without changing it; the buttons for
// template sites only are enabled with one of them.
void ChartSitesDialog::showRowChoices() {
    const int row = currentRow();
    if (row < 0) {  // the list is being refilled
        return;
    }
    for (QPushButton* button : templateButtons_) {
        button->setEnabled(ChartSitesDraft::isTemplate(row));
    }
    const ChartSiteSettings site = draft_.site(row);
    const QSignalBlocker quietList(siteDisplay_);
    const QSignalBlocker quietBox(siteEnabled_);
    siteDisplay_->setCurrentIndex(site.Display);
    siteEnabled_->setChecked(site.Enabled);
}

void ChartSitesDialog::setDisplay(int display) {
    const int row = currentRow();
    draft_.setDisplay(row, static_cast<qint16>(display));
    showRow(row);
}

// A template site is enabled only when it can make chart links.
void ChartSitesDialog::setEnabled(bool enabled) {
    const int row = currentRow();
    if (const QString problem = draft_.setEnabled(row, enabled); !problem.isEmpty()) {
        platform_.message(problem);
        const QSignalBlocker quiet(siteEnabled_);
        siteEnabled_->setChecked(false);
        return;
    }
    showRow(row);
}

void ChartSitesDialog::Add_Click() {
    if (draft_.templateSites().size() >= size_t(ChartSiteLimit)) {
        platform_.message(tr("There can be at most %1 chart sites besides the four built-in ones.")
                              .arg(ChartSiteLimit));
        return;
    }
    chooser_->Add_Init();
    chooser_->open();
}

void ChartSitesDialog::addChosen() {
    std::vector<ChartSiteSettings> sites = draft_.templateSites();
    const ChartSitePreset* preset = chooser_->chosen();
    sites.push_back(preset ? SiteFromPreset(*preset, sites) : ChartSiteSettings{});
    openEditor(std::move(sites), sites.size() - 1, true);
}

void ChartSitesDialog::Edit_Click() {
    const int row = currentRow();
    if (!ChartSitesDraft::isTemplate(row)) {
        platform_.beep();
        return;
    }
    openEditor(draft_.templateSites(), static_cast<size_t>(row - ChartSitesDraft::BuiltInRows),
               false);
}

void ChartSitesDialog::openEditor(std::vector<ChartSiteSettings> sites, size_t index, bool isNew) {
    editor_->Site_Init(std::move(sites), index, isNew);
    editor_->open();
}

void ChartSitesDialog::Remove_Click() {
    const int row = currentRow();
    if (!ChartSitesDraft::isTemplate(row)) {
        platform_.beep();
        return;
    }
    if (const QString problem = draft_.removeProblem(row, model_.general.StartPage);
        !problem.isEmpty()) {
        platform_.message(problem);
        return;
    }
    if (platform_.message(tr("Remove the chart site \"%1\"?").arg(draft_.site(row).Name),
                          Platform::Buttons::YesNo,
                          Platform::Answer::No) != Platform::Answer::Yes) {
        return;
    }
    draft_.remove(row);
    showRows(std::min(row, draft_.rowCount() - 1));
}

// Template sites move among themselves; the built-in ones keep their places.
void ChartSitesDialog::move(int by) {
    const int row = currentRow();
    if (!draft_.move(row, by)) {
        platform_.beep();
        return;
    }
    showRows(row + by);
}

const StockRecord* ChartSitesDialog::tryStock() const {
    const StockList& list = model_.list;
    const TreeSelection selection = tree_.selection();
    if (selection.isStock()) {
        return &list.stocks[selection.stock];
    }
    if (selection.isType() && list.typeHasStocks(selection.type)) {
        return &list.stocks[list.types[selection.type].Lowstock];
    }
    return list.Maxstocks >= 0 ? &list.stocks[0] : nullptr;
}

void ChartSitesDialog::Try_Click() {
    const StockRecord* stock = tryStock();
    if (!stock) {
        platform_.message(tr("There is no stock to try the chart site with."));
        return;
    }
    const int row = currentRow();
    // A built-in row's settings name its own alternate symbols and the draft's forms too.
    const ChartSiteSettings settings = draft_.site(row);
    const QString symbol = SiteSymbols(TemplateSite(settings), model_).of(*stock);
    if (!ChartSitesDraft::isTemplate(row)) {
        const BuiltInSite& site = ChartSiteFor(AllSites[static_cast<size_t>(row)]);
        OpenAddressOrReport(platform_, site.chartAddress(model_).forSymbol(symbol));
        return;
    }
    const AddressTemplate parsed = ParseAddressTemplate(settings.Template);
    if (!parsed.address) {
        platform_.message(parsed.problem);
        return;
    }
    OpenAddressOrReport(platform_, parsed.address->forSymbol(symbol));
}

void ChartSitesDialog::Forms_Click() {
    const int row = currentRow();
    const SymbolForms usual = ChartSitesDraft::isTemplate(row)
                                  ? SymbolForms{}
                                  : UsualSymbolForms(AllSites[static_cast<size_t>(row)]);
    const ChartSiteSettings site = draft_.site(row);
    forms_->Forms_Init(site.Name, site.Forms, usual);
    forms_->open();
}

// The general options refuse an initial page whose site is not enabled; so does this dialog
// when the change would be its own.
bool ChartSitesDialog::startPageKept() {
    const QString& start = model_.general.StartPage;
    const int row = draft_.startRow(start);
    if (row < 0 || draft_.inUse(row) || !ChartSitesDraft(model_).startPageInUse(start)) {
        return true;
    }
    platform_.message(ChartSitesDraft::startPageMessage());
    siteList_->setCurrentItem(siteList_->topLevelItem(row));
    siteEnabled_->setFocus(Qt::OtherFocusReason);
    return false;
}

bool ChartSitesDialog::applyChanges() {
    if (!startPageKept()) {
        return false;
    }
    draft_.apply(model_);
    model_.general.OnePage = onePage_->isChecked();
    model_.SettingsChanged = true;
    return true;
}

QWidget& ChartSitesDialog::firstField() {
    return *siteList_;
}

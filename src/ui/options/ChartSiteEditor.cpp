#include "ui/options/OwnSiteDialog.h"

#include "model/ChartSiteRules.h"
#include "model/Model.h"
#include "ui/kit/Buttons.h"
#include "ui/platform/Platform.h"

#include <QCheckBox>
#include <QComboBox>
#include <QLabel>
#include <QLineEdit>

#include <algorithm>

namespace {
const QString TemplateExample = QStringLiteral("https://www.example.com/chart?s={symbol}");

// The site this dialog edits is the first template site; while there is none, one that is
// off and named after the own site of earlier versions.
ChartSiteSettings NoOwnSite() {
    return {{}, {}, -1, 0, false, OwnSiteFileName};
}

ChartSiteSettings OwnSite(const Model& model) {
    return model.chartSites.empty() ? NoOwnSite() : model.chartSites.front();
}

// Every control spans the dialog's width but for its margins.
constexpr int FullWidth = 6720;

QCheckBox* AddCheckBox(QWidget* parent, const char* name, const QString& caption, int top) {
    return AddButton<QCheckBox>(parent, QLatin1String(name), caption,
                                QRect(360, top, FullWidth, 300));
}

// A control with its frame at the dialog's left margin.
template <typename Control>
Control* AddFramed(QWidget* parent, const char* name, const QString& caption, int top, int width,
                   int height = 732) {
    return AddFramedControl<Control>(parent, caption, QLatin1String(name),
                                     QRect(360, top, width, height),
                                     QRect(240, 240, width - 480, 372));
}
}  // namespace

OwnSiteDialog::OwnSiteDialog(Model& model, StockTree& tree, Platform& platform, QWidget* parent)
    : ModelDialog(model, tree, platform,
                  {QStringLiteral("OwnSite"), tr("Own chart site"), QSize(7440, 4800),
                   QRect(5040, 4200, 972, 372), QRect(6108, 4200, 972, 372)},
                  parent),
      OwnEnabled_(AddCheckBox(this, "OwnEnabled", tr("&Enabled"), 180)),
      OwnName_(AddFramed<QLineEdit>(this, "OwnName", tr("&Name"), 600, FullWidth)),
      OwnTemplate_(AddFramed<QLineEdit>(this, "OwnTemplate", tr("&Address template"), 1440,
                                        FullWidth, 1332)),
      SymbolsFrom_(AddFramed<QComboBox>(this, "SymbolsFrom", tr("&Symbols from"), 2880, 3300)),
      NewWindow_(AddCheckBox(this, "NewWindow", tr("Open charts in a new &window"), 3720)) {
    OwnName_->setToolTip(tr("The name of the site in the pages, at most 40 characters"));
    const QString help =
        tr("Put {symbol} where the stock's symbol goes, for example") + u'\n' + TemplateExample;
    OwnTemplate_->setToolTip(help);
    OwnTemplate_->setPlaceholderText(TemplateExample);
    auto* example = new QLabel(help, OwnTemplate_->parentWidget());
    example->setObjectName(QStringLiteral("TemplateHelp"));
    example->setWordWrap(true);
    PlaceAt(*example, 240, 660, FullWidth - 480, 540);
    for (const QString& label : SymbolsFromTable().Labels) {
        SymbolsFrom_->addItem(label);
    }
    SymbolsFrom_->setToolTip(tr("Which of a stock's symbols goes into the address"));
    NewWindow_->setToolTip(tr("For sites that refuse to be shown inside another site's frame"));
    chainTabOrder({OwnEnabled_, OwnName_, OwnTemplate_, SymbolsFrom_, NewWindow_});
}

void OwnSiteDialog::OwnSite_Init() {
    const ChartSiteSettings s = OwnSite(model_);
    OwnEnabled_->setChecked(s.Enabled);
    OwnName_->setText(s.Name);
    OwnTemplate_->setText(s.Template);
    SymbolsFrom_->setCurrentIndex(s.SymbolsFrom + 1);
    NewWindow_->setChecked(s.Display != 0);
}

// A site that is off with nothing filled in is no site at all, as it was for the own site.
bool OwnSiteDialog::applyChanges() {
    ChartSiteSettings edited = OwnSite(model_);
    const bool newWindow = NewWindow_->isChecked();
    edited.Display = newWindow ? std::max<qint16>(edited.Display, 1) : qint16(0);
    edited.Enabled = OwnEnabled_->isChecked();
    edited.Name = OwnName_->text().trimmed();
    edited.Template = OwnTemplate_->text().trimmed();
    edited.SymbolsFrom = static_cast<qint16>(SymbolsFrom_->currentIndex() - 1);
    std::vector<ChartSiteSettings> sites = model_.chartSites;
    if (sites.empty()) {
        sites.push_back(edited);
    } else {
        sites.front() = edited;
    }
    if (const QString problem = ChartSiteProblem(sites, 0); edited.Enabled && !problem.isEmpty()) {
        platform_.message(problem);
        return false;
    }
    if (edited == NoOwnSite()) {
        sites.erase(sites.begin());
    }
    model_.chartSites = std::move(sites);
    model_.SettingsChanged = true;
    return true;
}

QWidget& OwnSiteDialog::firstField() {
    return *OwnEnabled_;
}

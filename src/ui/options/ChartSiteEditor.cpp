#include "ui/options/ChartSiteEditor.h"

#include "model/AddressTemplate.h"
#include "model/ChartSiteRules.h"
#include "ui/kit/AccessibleName.h"
#include "ui/kit/Buttons.h"
#include "ui/platform/Platform.h"

#include <QCheckBox>
#include <QComboBox>
#include <QLabel>
#include <QLineEdit>

namespace {
const QString TemplateExample = QStringLiteral("https://www.example.com/chart?s={symbol}");

// Every frame spans the dialog's width but for its margins, or half of it.
constexpr int Margin = 360;
constexpr int FullWidth = 6720;
constexpr int HalfWidth = 3300;
constexpr QSize Client(Margin + FullWidth + Margin, 3900);

template <typename Control>
Control* addFramed(QWidget* parent, const char* name, const QString& caption, QPoint at, int width,
                   int height = 732) {
    auto* control = AddFramedControl<Control>(parent, caption, QLatin1String(name),
                                              QRect(at, QSize(width, height)),
                                              QRect(240, 240, width - 480, 372));
    NameAfterFrame(*control);
    return control;
}

void addItems(QComboBox& list, const OptionTable& table) {
    for (const QString& label : table.Labels) {
        list.addItem(label);
    }
}
}  // namespace

ChartSiteEditor::ChartSiteEditor(Platform& platform, QWidget* parent)
    : FixedDialog(CornerLayout(QStringLiteral("ChartSite"), tr("Chart site"), Client), parent),
      platform_(platform),
      siteName_(addFramed<QLineEdit>(this, "SiteName", tr("&Name"), {Margin, 180}, FullWidth)),
      siteTemplate_(addFramed<QLineEdit>(this, "SiteTemplate", tr("&Address template"),
                                         {Margin, 1020}, FullWidth, 1332)),
      symbolsFrom_(addFramed<QComboBox>(this, "SymbolsFrom", tr("&Symbols from"), {Margin, 2460},
                                        HalfWidth)),
      siteDisplay_(addFramed<QComboBox>(this, "SiteDisplay", tr("Charts &open"),
                                        {Margin + FullWidth - HalfWidth, 2460}, HalfWidth)),
      siteEnabled_(AddButton<QCheckBox>(this, QStringLiteral("SiteEnabled"), tr("&Enabled"),
                                        QRect(Margin, 3420, 2400, 300))) {
    siteName_->setToolTip(tr("The name of the site in the pages, at most 40 characters"));
    const QString help =
        tr("Put {symbol} where the stock's symbol goes, for example") + u'\n' + TemplateExample;
    siteTemplate_->setToolTip(help);
    siteTemplate_->setPlaceholderText(TemplateExample);
    auto* example = new QLabel(help, siteTemplate_->parentWidget());
    example->setObjectName(QStringLiteral("TemplateHelp"));
    example->setWordWrap(true);
    PlaceAt(*example, 240, 660, FullWidth - 480, 540);
    addItems(*symbolsFrom_, SymbolsFromTable());
    symbolsFrom_->setToolTip(tr("Which of a stock's symbols goes into the address"));
    addItems(*siteDisplay_, DisplayTable());
    siteDisplay_->setToolTip(tr("Many chart sites refuse to be shown inside another page's frame"));
    chainTabOrder({siteName_, siteTemplate_, symbolsFrom_, siteDisplay_, siteEnabled_});
}

void ChartSiteEditor::Site_Init(std::vector<ChartSiteSettings> sites, size_t index, bool isNew) {
    sites_ = std::move(sites);
    index_ = index;
    isNew_ = isNew;
    const ChartSiteSettings& s = sites_[index_];
    siteName_->setText(s.Name);
    siteTemplate_->setText(s.Template);
    symbolsFrom_->setCurrentIndex(s.SymbolsFrom + 1);
    siteDisplay_->setCurrentIndex(s.Display);
    siteEnabled_->setChecked(s.Enabled);
}

bool ChartSiteEditor::applyChanges() {
    ChartSiteSettings& edited = sites_[index_];
    edited.Name = siteName_->text().trimmed();
    edited.Template = siteTemplate_->text().trimmed();
    edited.SymbolsFrom = static_cast<qint16>(symbolsFrom_->currentIndex() - 1);
    edited.Display = static_cast<qint16>(siteDisplay_->currentIndex());
    edited.Enabled = siteEnabled_->isChecked();
    QString problem = NameProblem(sites_, index_);
    QLineEdit* field = siteName_;
    if (problem.isEmpty() && edited.Enabled) {
        problem = ParseAddressTemplate(edited.Template).problem;
        field = siteTemplate_;
    }
    if (!problem.isEmpty()) {
        platform_.message(problem);
        field->setFocus(Qt::OtherFocusReason);
        return false;
    }
    if (isNew_) {
        edited.FileName = FreshFileName(edited.Name, std::span(sites_).first(index_));
    }
    return true;
}

QWidget& ChartSiteEditor::firstField() {
    return *siteName_;
}

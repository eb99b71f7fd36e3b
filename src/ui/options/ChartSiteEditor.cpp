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
Control* AddFramed(QWidget* parent, const char* name, const QString& caption, QPoint at, int width,
                   int height = 732) {
    auto* control = AddFramedControl<Control>(parent, caption, QLatin1String(name),
                                              QRect(at, QSize(width, height)),
                                              QRect(240, 240, width - 480, 372));
    NameAfterFrame(*control);
    return control;
}

void AddItems(QComboBox& list, const OptionTable& table) {
    for (const QString& label : table.Labels) {
        list.addItem(label);
    }
}
}  // namespace

ChartSiteEditor::ChartSiteEditor(Platform& platform, QWidget* parent)
    : FixedDialog(CornerLayout(QStringLiteral("ChartSite"), tr("Chart site"), Client), parent),
      platform_(platform),
      SiteName_(AddFramed<QLineEdit>(this, "SiteName", tr("&Name"), {Margin, 180}, FullWidth)),
      SiteTemplate_(AddFramed<QLineEdit>(this, "SiteTemplate", tr("&Address template"),
                                         {Margin, 1020}, FullWidth, 1332)),
      SymbolsFrom_(AddFramed<QComboBox>(this, "SymbolsFrom", tr("&Symbols from"), {Margin, 2460},
                                        HalfWidth)),
      SiteDisplay_(AddFramed<QComboBox>(this, "SiteDisplay", tr("Charts &open"),
                                        {Margin + FullWidth - HalfWidth, 2460}, HalfWidth)),
      SiteEnabled_(AddButton<QCheckBox>(this, QStringLiteral("SiteEnabled"), tr("&Enabled"),
                                        QRect(Margin, 3420, 2400, 300))) {
    SiteName_->setToolTip(tr("The name of the site in the pages, at most 40 characters"));
    const QString help =
        tr("Put {symbol} where the stock's symbol goes, for example") + u'\n' + TemplateExample;
    SiteTemplate_->setToolTip(help);
    SiteTemplate_->setPlaceholderText(TemplateExample);
    auto* example = new QLabel(help, SiteTemplate_->parentWidget());
    example->setObjectName(QStringLiteral("TemplateHelp"));
    example->setWordWrap(true);
    PlaceAt(*example, 240, 660, FullWidth - 480, 540);
    AddItems(*SymbolsFrom_, SymbolsFromTable());
    SymbolsFrom_->setToolTip(tr("Which of a stock's symbols goes into the address"));
    AddItems(*SiteDisplay_, DisplayTable());
    SiteDisplay_->setToolTip(tr("Many chart sites refuse to be shown inside another page's frame"));
    chainTabOrder({SiteName_, SiteTemplate_, SymbolsFrom_, SiteDisplay_, SiteEnabled_});
}

void ChartSiteEditor::Site_Init(std::vector<ChartSiteSettings> sites, size_t index, bool isNew) {
    sites_ = std::move(sites);
    index_ = index;
    isNew_ = isNew;
    const ChartSiteSettings& s = sites_[index_];
    SiteName_->setText(s.Name);
    SiteTemplate_->setText(s.Template);
    SymbolsFrom_->setCurrentIndex(s.SymbolsFrom + 1);
    SiteDisplay_->setCurrentIndex(s.Display);
    SiteEnabled_->setChecked(s.Enabled);
}

bool ChartSiteEditor::applyChanges() {
    ChartSiteSettings& edited = sites_[index_];
    edited.Name = SiteName_->text().trimmed();
    edited.Template = SiteTemplate_->text().trimmed();
    edited.SymbolsFrom = static_cast<qint16>(SymbolsFrom_->currentIndex() - 1);
    edited.Display = static_cast<qint16>(SiteDisplay_->currentIndex());
    edited.Enabled = SiteEnabled_->isChecked();
    QString problem = NameProblem(sites_, index_);
    QLineEdit* field = SiteName_;
    if (problem.isEmpty() && edited.Enabled) {
        problem = ParseAddressTemplate(edited.Template).problem;
        field = SiteTemplate_;
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
    return *SiteName_;
}

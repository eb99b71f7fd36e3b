#include "ui/options/YahooCoupling.h"

#include <QComboBox>

namespace {
constexpr int OneDay = 0;
constexpr int ThreeMonths = 2;
constexpr int Basic = 0;
}  // namespace

YahooCoupling::YahooCoupling(QComboBox& timePeriod, QComboBox& viewType)
    : TimePeriod_(timePeriod), ViewType_(viewType) {
    connect(&TimePeriod_, &QComboBox::currentIndexChanged, this, &YahooCoupling::TimePeriod_Click);
    connect(&ViewType_, &QComboBox::currentIndexChanged, this, &YahooCoupling::ViewType_Click);
}

void YahooCoupling::TimePeriod_Click() {
    if (TimePeriod_.currentIndex() == OneDay && ViewType_.currentIndex() > Basic) {
        ViewType_.setCurrentIndex(Basic);
    }
}

void YahooCoupling::ViewType_Click() {
    if (ViewType_.currentIndex() > Basic && TimePeriod_.currentIndex() < ThreeMonths) {
        TimePeriod_.setCurrentIndex(ThreeMonths);
    }
}

std::unique_ptr<SiteDialogRule> RuleFor(SiteId site, QWidget& dialog) {
    if (site != SiteId::Yahoo) {
        return nullptr;
    }
    return std::make_unique<YahooCoupling>(
        *dialog.findChild<QComboBox*>(QStringLiteral("TimePeriod")),
        *dialog.findChild<QComboBox*>(QStringLiteral("ViewType")));
}

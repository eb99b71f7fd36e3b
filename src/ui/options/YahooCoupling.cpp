#include "ui/options/YahooCoupling.h"

#include <QComboBox>

namespace {
constexpr int OneDay = 0;
constexpr int ThreeMonths = 2;
constexpr int Basic = 0;
}  // namespace

YahooCoupling::YahooCoupling(QComboBox& timePeriod, QComboBox& viewType)
    : timePeriod_(timePeriod), viewType_(viewType) {
    connect(&timePeriod_, &QComboBox::currentIndexChanged, this, &YahooCoupling::TimePeriod_Click);
    connect(&viewType_, &QComboBox::currentIndexChanged, this, &YahooCoupling::ViewType_Click);
}

void YahooCoupling::TimePeriod_Click() {
    if (timePeriod_.currentIndex() == OneDay && viewType_.currentIndex() > Basic) {
        viewType_.setCurrentIndex(Basic);
    }
}

void YahooCoupling::ViewType_Click() {
    if (viewType_.currentIndex() > Basic && timePeriod_.currentIndex() < ThreeMonths) {
        timePeriod_.setCurrentIndex(ThreeMonths);
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

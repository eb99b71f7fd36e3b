#pragma once

#include "sites/ChartSite.h"

class BigChartsSite : public ChartSite {
  public:
    SiteId id() const override { return SiteId::BigCharts; }
    SettingFields fields(Model& model) const override;
    ChartAddress chartAddress(const Model& model) const override;
    QString pageName() const override { return QStringLiteral("Bigcharts"); }
    bool symbolOnNewLine() const override { return true; }
};

#pragma once

#include "sites/ChartSite.h"

class BigChartsSite : public ChartSite {
  public:
    SiteId id() const override { return SiteId::BigCharts; }
    SettingFields fields(Model& model) const override;
    QString chartAddress(const Model& model, const QString& symbol) const override;
    bool symbolOnNewLine() const override { return true; }
};

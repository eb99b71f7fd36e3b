#pragma once

#include "sites/ChartSite.h"

class BigChartsSite : public BuiltInSite {
  public:
    SiteId id() const override { return SiteId::BigCharts; }
    SettingFields fields(Model& model) const override;
    ChartAddress chartAddress(const Model& model) const override;
    const SiteDialog& dialog() const override;
    QString pageName() const override { return QStringLiteral("Bigcharts"); }
    bool scrollsChartFrame() const override { return false; }
    bool symbolOnNewLine() const override { return true; }
};

#pragma once

#include "sites/ChartSite.h"

class YahooSite : public ChartSite {
  public:
    SiteId id() const override { return SiteId::Yahoo; }
    SettingFields fields(Model& model) const override;
    QString chartAddress(const Model& model, const QString& symbol) const override;
};

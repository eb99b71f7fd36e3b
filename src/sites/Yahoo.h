#pragma once

#include "sites/ChartSite.h"

class YahooSite : public ChartSite {
  public:
    SiteId id() const override { return SiteId::Yahoo; }
    SettingFields fields(Model& model) const override;
    ChartAddress chartAddress(const Model& model) const override;
};

#pragma once

#include "sites/ChartSite.h"

class YahooSite : public BuiltInSite {
  public:
    SiteId id() const override { return SiteId::Yahoo; }
    SettingFields fields(Model& model) const override;
    ChartAddress chartAddress(const Model& model) const override;
    const SiteDialog& dialog() const override;
};

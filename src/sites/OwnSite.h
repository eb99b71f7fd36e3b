#pragma once

#include "sites/ChartSite.h"

// The user's own chart site: its address is the template with each stock's symbol put in for
// "{symbol}", percent-encoded.
class OwnChartSite : public PageSite {
  public:
    explicit OwnChartSite(const OwnSiteSettings& settings) : settings_(settings) {}

    QString fileName() const override { return OwnSiteFileName; }
    QString pageName() const override { return settings_.Name; }
    // The template's pieces around "{symbol}", from the settings the site was made with.
    ChartAddress chartAddress(const Model& model) const override;
    const QString& symbol(const StockRecord& stock) const override;
    QString addressSymbol(const QString& symbol) const override;
    const char* chartTarget() const override { return settings_.NewWindow ? "new" : "right"; }

  private:
    const OwnSiteSettings& settings_;
};

inline const QString OwnSiteSectionName = QStringLiteral("OwnSite");

// The keys of the section "OwnSite", in store and export order.
SettingFields OwnSiteFields(Model& model);

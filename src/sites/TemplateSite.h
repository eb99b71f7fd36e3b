#pragma once

#include "model/AddressTemplate.h"
#include "sites/ChartSite.h"

// A chart site made from an address template: its address is the template with each stock's
// chosen symbol put in, filtered and percent-encoded.
class TemplateSite : public ChartSite {
  public:
    // Refers to `settings`, which must outlive the site.
    explicit TemplateSite(const ChartSiteSettings& settings);

    QString name() const override { return settings_.Name; }
    QString fileName() const override { return settings_.FileName; }
    // Only for a site in use (enabled()): the template of any other may be refused.
    ChartAddress chartAddress(const Model& model) const override;
    qint16 symbolsFrom() const override;
    qint16 display(const Model&) const override { return settings_.Display; }
    const SymbolForms& symbolForms(const Model&) const override { return settings_.Forms; }
    bool enabled(const Model&) const override { return inUse_; }

  private:
    const ChartSiteSettings& settings_;
    AddressTemplate address_;
    bool inUse_;
};

// The store section of the site at `index` of the model's list: "ChartSite1" for index 0.
QString ChartSiteSectionName(size_t index);

// The keys of a template site's section, in store and export order.
SettingFields ChartSiteFields(ChartSiteSettings& site);

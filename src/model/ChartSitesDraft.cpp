#include "model/ChartSitesDraft.h"

#include "model/ChartSiteRules.h"
#include "model/Model.h"

#include <QCoreApplication>
#include <utility>

ChartSitesDraft::ChartSitesDraft(const Model& model)
    : sites_(model.chartSites),
      display_(model.siteDisplay),
      enabled_(model.general.SiteEnabled),
      forms_(model.siteForms) {}

void ChartSitesDraft::apply(Model& model) const {
    model.chartSites = sites_;
    model.siteDisplay = display_;
    model.general.SiteEnabled = enabled_;
    model.siteForms = forms_;
}

ChartSiteSettings ChartSitesDraft::site(int row) const {
    if (isTemplate(row)) {
        return sites_[static_cast<size_t>(row - BuiltInRows)];
    }
    const SiteInfo& site = Site(AllSites[static_cast<size_t>(row)]);
    return {site.name, {}, qint16(row), display_[row], enabled_[row], site.fileName, forms_[row]};
}

bool ChartSitesDraft::inUse(int row) const {
    return isTemplate(row) ? ChartSiteInUse(site(row)) : enabled_[row];
}

void ChartSitesDraft::setDisplay(int row, qint16 display) {
    (isTemplate(row) ? templateSite(row).Display : display_[row]) = display;
}

void ChartSitesDraft::setForms(int row, SymbolForms forms) {
    (isTemplate(row) ? templateSite(row).Forms : forms_[row]) = std::move(forms);
}

QString ChartSitesDraft::setEnabled(int row, bool enabled) {
    if (!isTemplate(row)) {
        enabled_[row] = enabled;
        return {};
    }
    const QString problem = ChartSiteProblem(sites_, static_cast<size_t>(row - BuiltInRows));
    if (enabled && !problem.isEmpty()) {
        return problem;
    }
    templateSite(row).Enabled = enabled;
    return {};
}

bool ChartSitesDraft::move(int row, int by) {
    const int to = row + by;
    if (!isTemplate(row) || !isTemplate(to) || to >= rowCount()) {
        return false;
    }
    std::swap(templateSite(row), templateSite(to));
    return true;
}

QString ChartSitesDraft::removeProblem(int row, const QString& startPage) const {
    const ChartSiteSettings chosen = site(row);
    if (chosen.FileName != startPage) {
        return {};
    }
    return QCoreApplication::translate(
               "ChartSitesDraft",
               "\"%1\" is the initial page. Choose another initial page in the "
               "general options before removing it.")
        .arg(chosen.Name);
}

int ChartSitesDraft::startRow(const QString& startPage) const {
    for (int row = 0; row < rowCount(); ++row) {
        if (site(row).FileName == startPage) {
            return row;
        }
    }
    return -1;
}

bool ChartSitesDraft::startPageInUse(const QString& startPage) const {
    const int row = startRow(startPage);
    return row >= 0 && inUse(row);
}

QString ChartSitesDraft::startPageMessage() {
    return QCoreApplication::translate("ChartSitesDraft",
                                       "You must enable the web site used for the initial page");
}

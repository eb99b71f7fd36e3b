#include "settings/StoredChartSites.h"

#include "model/AddressTemplate.h"
#include "model/ChartSiteRules.h"
#include "settings/EarlierOwnSite.h"
#include "settings/StoreLayout.h"
#include "settings/StoredValue.h"
#include "sites/TemplateSite.h"

#include <QCoreApplication>
#include <utility>

namespace {
using Repairs = std::vector<ChartSiteRepair>;

// Reads a site's section over `site`; false when the section holds none of its keys.
bool ReadSite(const SettingsStore& store, const QString& section, ChartSiteSettings& site) {
    bool found = false;
    for (const SettingField& field : ChartSiteFields(site)) {
        if (const auto text = store.GetValue(section, field.key)) {
            ReadStoredText(field, *text);
            found = true;
        }
    }
    return found;
}

// The sites of the sections ChartSite1, ChartSite2... stored without a gap, at most 20.
std::vector<ChartSiteSettings> StoredSites(const SettingsStore& store) {
    std::vector<ChartSiteSettings> sites;
    ChartSiteSettings site;
    while (sites.size() < size_t(ChartSiteLimit) &&
           ReadSite(store, ChartSiteSectionName(sites.size()), site)) {
        sites.push_back(std::exchange(site, ChartSiteSettings{}));
    }
    return sites;
}

// Keeps the first Count sites, or all that are stored when Count cannot be trusted.
void KeepCounted(const SettingsStore& store, std::vector<ChartSiteSettings>& sites,
                 Repairs& repairs) {
    const auto text = store.GetValue(ChartSitesSectionName, ChartSiteCountKey);
    qint16 count = 0;
    QString problem;
    if (!text) {
        problem = QCoreApplication::translate("StoredChartSites", "The key is missing.");
    } else if (!ReadStoredText({ChartSiteCountKey, &count}, *text) || count < 0 ||
               count > ChartSiteLimit) {
        problem =
            QCoreApplication::translate("StoredChartSites", "\"%1\" is not a number from 0 to %2.")
                .arg(*text)
                .arg(ChartSiteLimit);
    } else if (size_t(count) > sites.size()) {
        //: %1 is the count stored, %2 the number of chart sites found.
        problem = QCoreApplication::translate("StoredChartSites",
                                              "%1 names more chart sites than the %2 stored.")
                      .arg(count)
                      .arg(sites.size());
    }
    if (problem.isEmpty()) {
        sites.resize(size_t(count));
        return;
    }
    repairs.push_back(
        {ChartSitesSectionName, ChartSiteCountKey, problem,
         QCoreApplication::translate("StoredChartSites", "The %n chart sites stored are kept.",
                                     nullptr, int(sites.size()))});
}

void CheckFileName(std::vector<ChartSiteSettings>& sites, size_t i, const QString& section,
                   Repairs& repairs) {
    const QString problem = FileNameProblem(sites, i);
    if (!problem.isEmpty()) {
        sites[i].FileName = FreshFileName(sites[i].Name, sites);
        repairs.push_back(
            {section, QStringLiteral("FileName"), problem,
             QCoreApplication::translate("StoredChartSites", "Its pages are now \"%1.html\".")
                 .arg(sites[i].FileName)});
    }
}

// An enabled site that could not be made again in the dialog is switched off; its name is
// compared with those of the sites before it.
void CheckEnabledSite(std::vector<ChartSiteSettings>& sites, size_t i, const QString& section,
                      Repairs& repairs) {
    ChartSiteSettings& site = sites[i];
    if (!site.Enabled) {
        return;
    }
    QString key = QStringLiteral("Name");
    QString problem = NameProblem(std::span(sites).first(i + 1), i);
    if (problem.isEmpty()) {
        key = QStringLiteral("Template");
        problem = ParseAddressTemplate(site.Template).problem;
    }
    if (!problem.isEmpty()) {
        site.Enabled = false;
        repairs.push_back(
            {section, key, problem,
             QCoreApplication::translate("StoredChartSites", "The site is kept, switched off.")});
    }
}
void CheckForms(const SettingsStore& store, const QString& section, Repairs& repairs) {
    const QString problem = StoredFormsProblem(store, section);
    if (!problem.isEmpty()) {
        repairs.push_back(
            {section, SymbolFormsKey, problem,
             QCoreApplication::translate("StoredChartSites", "The site has no symbol forms.")});
    }
}
}  // namespace

QString StoredFormsProblem(const SettingsStore& store, const QString& section) {
    QString problem;
    const auto text = store.GetValue(section, SymbolFormsKey);
    if (text) {
        ParseSymbolFormsText(*text, problem);
    }
    return problem;
}

QString ChartSiteRepair::what() const {
    //: %1 is a section of the settings file, %2 its key, %3 what is wrong with it.
    return QCoreApplication::translate("StoredChartSites", "section %1, %2: %3")
        .arg(section, key, problem);
}

std::vector<ChartSiteRepair> LoadChartSites(const SettingsStore& store,
                                            std::vector<ChartSiteSettings>& sites) {
    Repairs repairs;
    sites = StoredSites(store);
    bool migrated = false;
    if (!sites.empty() || store.GetValue(ChartSitesSectionName, ChartSiteCountKey)) {
        KeepCounted(store, sites, repairs);
    } else if (auto own = ReadEarlierOwnSite(store)) {
        sites.push_back(std::move(*own));
        migrated = true;
    }
    for (size_t i = 0; i < sites.size(); ++i) {
        const QString section = migrated ? OwnSiteSectionName : ChartSiteSectionName(i);
        CheckFileName(sites, i, section, repairs);
        CheckEnabledSite(sites, i, section, repairs);
        CheckForms(store, section, repairs);
    }
    return repairs;
}

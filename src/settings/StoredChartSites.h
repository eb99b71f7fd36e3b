#pragma once

#include "model/ChartSiteSettings.h"
#include "settings/SettingsStore.h"

#include <QString>
#include <vector>

// Something loading found wrong with the stored template chart sites, and what it did.
struct ChartSiteRepair {
    QString section;
    QString key;
    QString problem;  // a sentence
    QString repair;   // a sentence

    // "section ChartSite2, Template: " + problem.
    QString what() const;
};

// Reads the template chart sites into `sites`: Count of the section ChartSites, then that many
// sections ChartSite1, ChartSite2... When there is no ChartSites section, the OwnSite section
// of earlier versions becomes the site "own". Nothing stored is dropped: a Count that is
// missing, no number from 0 to 20 or past the sections stored gives way to the sections
// stored; an enabled site whose name or template is refused is switched off; a file name
// that breaks the rules or repeats an earlier one is made afresh from the name; a table of
// symbol forms that is refused is left empty. Returns what was repaired.
std::vector<ChartSiteRepair> LoadChartSites(const SettingsStore& store,
                                            std::vector<ChartSiteSettings>& sites);

// Why the symbol forms stored in `section` are refused, or empty when they are not (or there
// are none).
QString StoredFormsProblem(const SettingsStore& store, const QString& section);

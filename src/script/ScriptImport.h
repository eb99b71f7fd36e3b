#pragma once

#include "script/RegistryScript.h"
#include "settings/SettingsStore.h"

#include <QString>

struct ImportedSections {
    QString refusal;  // why the script must not replace the store, when not empty
    StoreSections sections;
};

// The sections of `script` that belong to this program, under the program's own spelling of
// section and key names. Refuses a value of another type under one of the program's keys.
ImportedSections ProgramSections(ScriptContent script);

// Why the imported values would leave a broken list behind, or empty: a list maximum that is
// missing, unreadable or beyond the capacity, or maxima naming records that are not there (a
// file cut short).
QString StockListRefusal(const SettingsStore& imported);

// Why the imported template chart sites would need a repair on loading, naming the section
// and the key, or empty. The section OwnSite of earlier versions is never refused.
QString ChartSitesRefusal(const SettingsStore& imported);

// Why the symbol forms imported for a built-in chart site are refused, naming the section and
// the key, or empty.
QString SiteFormsRefusal(const SettingsStore& imported);

#include "script/ScriptImport.h"

#include "settings/ProgramKeys.h"
#include "settings/StoreLayout.h"
#include "settings/StoredChartSites.h"
#include "settings/StoredValue.h"

#include <QCoreApplication>
#include <algorithm>
#include <memory>

namespace {
QString otherTypeRefusal(const ScriptContent& script) {
    const ProgramKeys& names = ProgramKeys::instance();
    for (const OtherTypeValue& value : script.otherTypes) {
        const auto* section = names.section(value.section);
        if (section && names.key(*section, value.key)) {
            //: %1 is a line of the registry script, %2 a key of the settings.
            return QCoreApplication::translate("ScriptImport",
                                               "line %1: the value of %2 is not a text")
                .arg(value.line)
                .arg(value.key);
        }
    }
    return {};
}

QString readMaximum(const SettingsStore& store, const QString& key, qint16& maximum, int capacity) {
    const auto text = store.GetValue(StockListSectionName, key);
    if (!text) {
        //: %1 is a key of the settings.
        return QCoreApplication::translate("ScriptImport", "%1 is missing").arg(key);
    }
    if (!ReadStoredText({key, &maximum}, *text)) {
        //: %1 is a key of the settings, %2 its value.
        return QCoreApplication::translate("ScriptImport", "%1 \"%2\" is not a number")
            .arg(key, *text);
    }
    if (maximum < -1 || maximum >= capacity) {
        //: %1 is a key of the settings, %2 its value.
        return QCoreApplication::translate("ScriptImport", "%1 %2 is beyond the capacity")
            .arg(key)
            .arg(maximum);
    }
    return {};
}

// Why a record's key must not be imported: missing where every record has it, or holding
// what the field refuses.
QString recordRefusal(const SettingsStore& imported, const StockList& list,
                      const SettingField& field) {
    const auto text = imported.GetValue(StockListSectionName, field.key);
    if (!text && !field.storedWhenSet) {
        //: Maxtypes and Maxstocks are keys of the settings; %3 is a key of a stock or type.
        return QCoreApplication::translate("ScriptImport",
                                           "Maxtypes %1 and Maxstocks %2 name %3, which is missing")
            .arg(list.Maxtypes)
            .arg(list.Maxstocks)
            .arg(field.key);
    }
    if (text && field.problem) {
        if (const QString problem = field.problem(*text); !problem.isEmpty()) {
            //: %1 is a key of the settings, %2 what is wrong with its value.
            return QCoreApplication::translate("ScriptImport", "%1: %2").arg(field.key, problem);
        }
    }
    return {};
}

bool holdsList(const SettingsStore& store) {
    for (const QString& key : {QStringLiteral("Maxtypes"), QStringLiteral("Maxstocks"),
                               TypeNameKey(0), StockSymbolKey(0)}) {
        if (store.GetValue(StockListSectionName, key)) {
            return true;
        }
    }
    return false;
}
// The script's values under the program's spelling, renamed in place; other keys of its
// sections as they are.
StoreSections programSpelling(StoreSections script) {
    const ProgramKeys& names = ProgramKeys::instance();
    StoreSections sections;
    for (StoreSection& section : script) {
        if (const auto* program = names.section(section.name)) {
            section.name = program->name;
            for (auto& value : section.values) {
                if (auto key = names.key(*program, value.first)) {
                    value.first = std::move(*key);
                }
            }
            sections.push_back(std::move(section));
        }
    }
    return sections;
}
}  // namespace

ImportedSections ProgramSections(ScriptContent script) {
    QString refusal = otherTypeRefusal(script);
    return {std::move(refusal), programSpelling(std::move(script.sections))};
}

QString StockListRefusal(const SettingsStore& imported) {
    if (!holdsList(imported)) {
        return {};
    }
    auto list = std::make_unique<StockList>();
    QString refusal =
        readMaximum(imported, QStringLiteral("Maxtypes"), list->Maxtypes, TypeCapacity);
    if (refusal.isEmpty()) {
        refusal =
            readMaximum(imported, QStringLiteral("Maxstocks"), list->Maxstocks, StockCapacity);
    }
    if (refusal.isEmpty()) {
        ForEachStockRecordField(*list, [&](const SettingField& field) {
            if (refusal.isEmpty()) {
                refusal = recordRefusal(imported, *list, field);
            }
        });
    }
    return refusal;
}

// The own site of earlier versions is migrated as loading migrates it, with its repair as a
// warning: everything an earlier version exported imports.
QString ChartSitesRefusal(const SettingsStore& imported) {
    std::vector<ChartSiteSettings> sites;
    const std::vector<ChartSiteRepair> repairs = LoadChartSites(imported, sites);
    const auto refused = std::find_if(repairs.begin(), repairs.end(), [](const auto& repair) {
        return repair.section != OwnSiteSectionName;
    });
    return refused == repairs.end() ? QString() : refused->what();
}

QString SiteFormsRefusal(const SettingsStore& imported) {
    for (SiteId id : AllSites) {
        if (const QString problem = StoredFormsProblem(imported, Site(id).name);
            !problem.isEmpty()) {
            return ChartSiteRepair{Site(id).name, SymbolFormsKey, problem, {}}.what();
        }
    }
    return {};
}

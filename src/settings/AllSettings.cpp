#include "settings/AllSettings.h"

#include "files/DefaultHtmlDir.h"
#include "model/StartPage.h"
#include "settings/StoreLayout.h"
#include "settings/StoredChartSites.h"
#include "settings/StoredStockList.h"
#include "settings/StoredValue.h"

#include <QCoreApplication>
#include <algorithm>
#include <optional>
#include <utility>

namespace {
void readSection(const SettingsStore& store, const SectionLayout& section) {
    for (const SettingField& field : section.fields) {
        if (const auto text = store.GetValue(section.name, field.key)) {
            ReadStoredText(field, *text);
        }
    }
}

// A folder written on Windows or a relative path would put the pages wherever the program
// runs; returns the stored value when it was replaced by the default folder.
std::optional<QString> useLocalHtmlDir(GeneralSettings& general, const QString& defaultHtmlDir) {
    if (general.HtmlDir.isEmpty()) {
        return std::nullopt;
    }
    if (!IsLocalFullPath(general.HtmlDir)) {
        return std::exchange(general.HtmlDir, defaultHtmlDir);
    }
    general.HtmlDir = WithTrailingSeparator(general.HtmlDir);
    return std::nullopt;
}

bool usable(const TwipsGeometry& g) {
    return g.Top >= 1 && g.Left >= 1 && g.Height >= 1 && g.Width >= 1;
}
}  // namespace

QStringList LoadAllSettings(const SettingsStore& store, Model& model, WindowGeometry* geometry,
                            const QString& source, const QString& defaultHtmlDir) {
    QStringList warnings;
    model.SettingsChanged = false;
    GeneralSettings& general = model.general;
    const QString startPage = general.StartPage;
    // Unlike the other settings, these are False when they are not stored.
    general.ForceUpper = general.NoLineWraps = general.UseSavedGeometry = general.OnePage = false;
    model.siteForms = UsualSiteForms();
    const bool keepStored = geometry && geometry->keepsStoredGeometry();
    TwipsGeometry stored = keepStored ? geometry->current() : TwipsGeometry{-1, -1, -1, -1};
    // Like the stock list, the template sites stored replace the model's; so the layout holds
    // no section of theirs.
    model.chartSites.clear();
    for (const SectionLayout& section : SettingsLayout(model, stored)) {
        if (section.name != StockListSectionName) {
            readSection(store, section);
        }
    }
    for (const ChartSiteRepair& repair : LoadChartSites(store, model.chartSites)) {
        //: %1 is the settings file, %2 the place and the problem ("section …, key: problem"),
        //: %3 what was done about it.
        warnings << QCoreApplication::translate(
                        "AllSettings", "In %1, %2 %3 Save the settings to keep the repair.")
                        .arg(source, repair.what(), repair.repair);
    }
    if (!NamesSite(model, general.StartPage)) {
        general.StartPage = startPage;
    }
    if (geometry && (keepStored || (general.UseSavedGeometry && usable(stored)))) {
        geometry->place(stored);
    }
    if (const auto notUsed = useLocalHtmlDir(general, defaultHtmlDir)) {
        //: %1 is the folder stored, %2 the settings file, %3 the folder used instead.
        warnings << QCoreApplication::translate(
                        "AllSettings",
                        "The page folder \"%1\" in %2 is not a full path on this "
                        "system; the pages go to %3 instead.")
                        .arg(*notUsed, source, general.HtmlDir);
    }
    if (const auto repair = LoadStockList(store, model.list)) {
        //: %1 is the settings file, %2 what was wrong and what was kept.
        warnings << QCoreApplication::translate(
                        "AllSettings",
                        "The stock list stored in %1 was damaged (%2) and has been "
                        "repaired; save the settings to keep the repair.")
                        .arg(source, *repair);
    }
    return warnings;
}

bool LeftOut::hasKey(const QString& section, const QString& key) const {
    return keys.contains({section, key});
}

LeftOut SaveAllSettings(SettingsStore& store, Model& model, const TwipsGeometry& geometry) {
    LeftOut leftOut{SectionNames(), {}};
    for (const StoreSection& section : ModelSections(model, geometry)) {
        leftOut.sections.removeOne(section.name);
        for (const auto& [key, value] : section.values) {
            store.SaveValue(section.name, key, value);
        }
    }
    // A section left out for holding nothing must not keep older values, which the next load
    // would bring back.
    for (const QString& name : leftOut.sections) {
        store.DeleteSection(name);
    }
    TwipsGeometry unused = geometry;
    for (const SectionLayout& section : SettingsLayout(model, unused)) {
        for (const SettingField& field : section.fields) {
            if (!IsStored(field)) {
                leftOut.keys.insert({section.name, field.key});
            }
        }
    }
    ForEachStockRecordField(model.list, [&](const SettingField& field) {
        if (!IsStored(field)) {
            leftOut.keys.insert({StockListSectionName, field.key});
        }
    });
    return leftOut;
}

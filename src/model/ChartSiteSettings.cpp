#include "model/ChartSiteSettings.h"

#include "model/SiteTable.h"

const OptionTable& SymbolsFromTable() {
    static const OptionTable table = [] {
        OptionTable symbols{"Stock symbol"};
        for (SiteId id : AllSites) {
            symbols.Labels.push_back(Site(id).name + QStringLiteral(" symbol"));
        }
        return symbols;
    }();
    return table;
}

const OptionTable& DisplayTable() {
    static const OptionTable table{"In the chart frame", "In one new window",
                                   "In a new tab each time"};
    return table;
}

const char* DisplayTarget(qint16 display) {
    switch (display) {
        case 1:
            return "new";
        case 2:
            return "_blank";
        default:
            return "right";
    }
}

SettingField DisplayField(qint16& display, bool storedWhenSet) {
    return {QStringLiteral("Display"), &display, &DisplayTable(), 0, storedWhenSet};
}

SettingField SymbolFormsField(SymbolForms& forms, const SymbolForms* usual) {
    return {SymbolFormsKey, &forms, nullptr, 0, true, nullptr, usual};
}

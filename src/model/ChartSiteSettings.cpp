#include "model/ChartSiteSettings.h"

#include "model/SiteTable.h"

#include <QCoreApplication>

namespace {
struct Tr {
    Q_DECLARE_TR_FUNCTIONS(ChartSiteSettings)
};
}  // namespace

// The labels are translated once, when a table is first asked for: the program's language
// is set before any chart site is made.
const OptionTable& SymbolsFromTable() {
    static const OptionTable table = [] {
        //: the drop-down of which symbol a chart site's addresses take: the stock's own
        OptionTable symbols{Tr::tr("Stock symbol")};
        for (SiteId id : AllSites) {
            //: the drop-down of which symbol a chart site's addresses take; %1 is a site's name
            symbols.Labels.push_back(Tr::tr("%1 symbol").arg(Site(id).name));
        }
        return symbols;
    }();
    return table;
}

const OptionTable& DisplayTable() {
    //: where a chart site's charts open
    static const OptionTable table{Tr::tr("In the chart frame"), Tr::tr("In one new window"),
                                   Tr::tr("In a new tab each time")};
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

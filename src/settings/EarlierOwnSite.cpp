#include "settings/EarlierOwnSite.h"

#include "settings/StoreLayout.h"
#include "settings/StoredValue.h"

SettingFields EarlierOwnSiteFields(EarlierOwnSite& site) {
    return {
        {QStringLiteral("Enabled"), &site.Enabled},
        {QStringLiteral("Name"), &site.Name},
        {QStringLiteral("Template"), &site.Template},
        {QStringLiteral("SymbolsFrom"), &site.SymbolsFrom, &SymbolsFromTable(), -1},
        {QStringLiteral("NewWindow"), &site.NewWindow},
    };
}

std::optional<ChartSiteSettings> ReadEarlierOwnSite(const SettingsStore& store) {
    EarlierOwnSite own;
    for (const SettingField& field : EarlierOwnSiteFields(own)) {
        if (const auto text = store.GetValue(OwnSiteSectionName, field.key)) {
            ReadStoredText(field, *text);
        }
    }
    if (own == EarlierOwnSite{}) {
        return std::nullopt;
    }
    return ChartSiteSettings{own.Name,        own.Template,
                             own.SymbolsFrom, own.NewWindow ? qint16(1) : qint16(0),
                             own.Enabled,     OwnSiteFileName};
}

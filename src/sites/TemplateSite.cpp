#include "sites/TemplateSite.h"

#include "model/ChartSiteRules.h"

TemplateSite::TemplateSite(const ChartSiteSettings& settings)
    : settings_(settings),
      address_(ParseAddressTemplate(settings.Template)),
      inUse_(ChartSiteInUse(settings)) {}

ChartAddress TemplateSite::chartAddress(const Model&) const {
    return address_.address.value();
}

// A choice that only a hand-edited store can hold links the stocks' own symbols.
qint16 TemplateSite::symbolsFrom() const {
    const qint16 from = settings_.SymbolsFrom;
    return from >= 0 && from < qint16(AllSites.size()) ? from : qint16(-1);
}

QString ChartSiteSectionName(size_t index) {
    return QStringLiteral("ChartSite") + QString::number(index + 1);
}

SettingFields ChartSiteFields(ChartSiteSettings& site) {
    return {
        {QStringLiteral("Name"), &site.Name},
        {QStringLiteral("Template"), &site.Template},
        {QStringLiteral("SymbolsFrom"), &site.SymbolsFrom, &SymbolsFromTable(), -1},
        DisplayField(site.Display, false),
        {QStringLiteral("Enabled"), &site.Enabled},
        {QStringLiteral("FileName"), &site.FileName},
        SymbolFormsField(site.Forms, nullptr),
    };
}

#include "settings/StoreLayout.h"

#include "model/ChartSiteSettings.h"
#include "settings/StoredValue.h"
#include "sites/ChartSite.h"
#include "sites/TemplateSite.h"

#include <algorithm>

namespace {
SettingFields generalFields(GeneralSettings& g, TwipsGeometry& geometry) {
    SettingFields fields{{QStringLiteral("HtmlDir"), &g.HtmlDir}};
    for (SiteId id : AllSites) {
        fields.push_back({SiteEnableKey(id), &ForSite(g.SiteEnabled, id)});
    }
    SettingFields rest{
        {QStringLiteral("PanelPercent"), &g.PanelPercent},
        {QStringLiteral("TextColor"), &g.TextColor},
        {QStringLiteral("BackColor"), &g.BackColor},
        {QStringLiteral("UseBrowserColors"), &g.UseBrowserColors},
        {QStringLiteral("StartPage"), &g.StartPage},
        {QStringLiteral("ForceUpper"), &g.ForceUpper},
        {QStringLiteral("NoLineWraps"), &g.NoLineWraps},
        {QStringLiteral("UseSavedGeometry"), &g.UseSavedGeometry},
        {QStringLiteral("OnePage"), &g.OnePage, nullptr, 0, true},
        {TopKey, &geometry.Top},
        {LeftKey, &geometry.Left},
        {QStringLiteral("Height"), &geometry.Height},
        {QStringLiteral("Width"), &geometry.Width},
    };
    fields.insert(fields.end(), rest.begin(), rest.end());
    return fields;
}

SettingFields customFields(std::array<CustomURLEntry, 2>& custom) {
    SettingFields fields;
    for (size_t n = 0; n < custom.size(); ++n) {
        const QString index = QString::number(n);
        fields.push_back({QStringLiteral("CustomURLAction") + index, &custom[n].CustomURLAction});
        fields.push_back({QStringLiteral("CustomDesc") + index, &custom[n].CustomDesc});
        fields.push_back({CustomUrlKey(n), &custom[n].CustomURL});
    }
    return fields;
}

size_t RecordFieldCount(const StockList& list) {
    return std::size(TypeFieldNames) * static_cast<size_t>(list.typeCount()) +
           StockTextCount * static_cast<size_t>(list.stockCount());
}

void appendValue(StoreSection& section, const SettingField& field) {
    section.values.emplace_back(field.key, StoredText(field));
}
}  // namespace

StoreLayout SettingsLayout(Model& model, TwipsGeometry& geometry) {
    StoreLayout layout{
        {GeneralSectionName, generalFields(model.general, geometry)},
        {CustomSectionName, customFields(model.custom)},
        {StockListSectionName,
         {{QStringLiteral("Maxtypes"), &model.list.Maxtypes},
          {QStringLiteral("Maxstocks"), &model.list.Maxstocks}}},
    };
    for (SiteId id : AllSites) {
        SettingFields fields = ChartSiteFor(id).fields(model);
        fields.push_back(DisplayField(ForSite(model.siteDisplay, id), true));
        fields.push_back(SymbolFormsField(ForSite(model.siteForms, id), &UsualSymbolForms(id)));
        layout.push_back({Site(id).name, std::move(fields)});
    }
    // Written only while there are template sites, so that the store and the export of a
    // user without them stay as they always were.
    if (!model.chartSites.empty()) {
        layout.push_back({ChartSitesSectionName, {}});
    }
    for (size_t i = 0; i < model.chartSites.size(); ++i) {
        layout.push_back({ChartSiteSectionName(i), ChartSiteFields(model.chartSites[i])});
    }
    return layout;
}

void ForEachStockRecordField(StockList& list,
                             const std::function<void(const SettingField&)>& visit) {
    for (qint16 t = 0; t <= list.Maxtypes; ++t) {
        TypeRecord& type = list.types[t];
        visit({TypeRecordKey(0, t), &type.Type});
        visit({TypeRecordKey(1, t), &type.Lowstock});
        visit({TypeRecordKey(2, t), &type.Histock});
    }
    for (qint16 i = 0; i <= list.Maxstocks; ++i) {
        StockRecord& stock = list.stocks[i];
        for (size_t n = 0; n < ExchangeText; ++n) {
            visit({StockRecordKey(n, i), &StockText(stock, n)});
        }
        visit(ExchangeField(stock, i));
    }
}

SettingField ExchangeField(StockRecord& stock, qint16 i) {
    return {StockRecordKey(ExchangeText, i), &stock.Exchange, nullptr, 0, true, ExchangeProblem};
}

QString TypeNameKey(qint16 t) {
    return TypeRecordKey(0, t);
}

QString StockSymbolKey(qint16 i) {
    return StockRecordKey(SymbolText, i);
}

QString StockUrlKey(qint16 i) {
    return StockRecordKey(UrlText, i);
}

QString CustomUrlKey(size_t n) {
    return QStringLiteral("CustomURL") + QString::number(n);
}

QStringList SectionNames() {
    QStringList names{GeneralSectionName, CustomSectionName, StockListSectionName};
    for (SiteId id : AllSites) {
        names << Site(id).name;
    }
    names << ChartSitesSectionName;
    for (size_t i = 0; i < ChartSiteLimit; ++i) {
        names << ChartSiteSectionName(i);
    }
    names << OwnSiteSectionName;
    return names;
}

StoreSections ModelSections(Model& model, TwipsGeometry geometry) {
    StoreSections sections;
    for (const SectionLayout& section : SettingsLayout(model, geometry)) {
        StoreSection& stored = sections.emplace_back(StoreSection{section.name, {}});
        for (const SettingField& field : section.fields) {
            if (IsStored(field)) {
                appendValue(stored, field);
            }
        }
        if (section.name == ChartSitesSectionName) {
            stored.values.emplace_back(ChartSiteCountKey, QString::number(model.chartSites.size()));
        }
        if (section.name == StockListSectionName) {
            stored.values.reserve(stored.values.size() + RecordFieldCount(model.list));
            ForEachStockRecordField(model.list, [&](const SettingField& field) {
                if (IsStored(field)) {
                    appendValue(stored, field);
                }
            });
        }
    }
    return sections;
}

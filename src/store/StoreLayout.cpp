#include "store/StoreLayout.h"

#include "sites/ChartSite.h"
#include "store/StoredValue.h"

namespace {
SettingFields generalFields(GeneralSettings& g, TwipsGeometry& geometry) {
    return {
        {QStringLiteral("HtmlDir"), &g.HtmlDir},
        {QStringLiteral("BigCharts_enable"), &g.BigCharts_enable},
        {QStringLiteral("StockMaster_enable"), &g.StockMaster_enable},
        {QStringLiteral("StockPoint_enable"), &g.StockPoint_enable},
        {QStringLiteral("Yahoo_enable"), &g.Yahoo_enable},
        {QStringLiteral("PanelPercent"), &g.PanelPercent},
        {QStringLiteral("TextColor"), &g.TextColor},
        {QStringLiteral("BackColor"), &g.BackColor},
        {QStringLiteral("UseBrowserColors"), &g.UseBrowserColors},
        {QStringLiteral("StartPage"), &g.StartPage},
        {QStringLiteral("ForceUpper"), &g.ForceUpper},
        {QStringLiteral("NoLineWraps"), &g.NoLineWraps},
        {QStringLiteral("UseSavedGeometry"), &g.UseSavedGeometry},
        {QStringLiteral("Top"), &geometry.Top},
        {QStringLiteral("Left"), &geometry.Left},
        {QStringLiteral("Height"), &geometry.Height},
        {QStringLiteral("Width"), &geometry.Width},
    };
}

SettingFields customFields(std::array<CustomURLEntry, 2>& custom) {
    SettingFields fields;
    for (size_t n = 0; n < custom.size(); ++n) {
        const QString index = QString::number(n);
        fields.push_back({QStringLiteral("CustomURLAction") + index, &custom[n].CustomURLAction});
        fields.push_back({QStringLiteral("CustomDesc") + index, &custom[n].CustomDesc});
        fields.push_back({QStringLiteral("CustomURL") + index, &custom[n].CustomURL});
    }
    return fields;
}

void appendStock(SettingFields& fields, StockRecord& stock, const QString& index) {
    fields.push_back({QStringLiteral("Stock") + index, &stock.Stock});
    fields.push_back({QStringLiteral("Description") + index, &stock.Description});
    fields.push_back({QStringLiteral("URL") + index, &stock.URL});
    fields.push_back({QStringLiteral("Alt_BC") + index, &stock.Alt_BC});
    fields.push_back({QStringLiteral("Alt_SM") + index, &stock.Alt_SM});
    fields.push_back({QStringLiteral("Alt_SP") + index, &stock.Alt_SP});
    fields.push_back({QStringLiteral("Alt_YH") + index, &stock.Alt_YH});
}

StoreSection toSection(const QString& name, const SettingFields& fields) {
    StoreSection section{name, {}};
    section.values.reserve(fields.size());
    for (const SettingField& field : fields) {
        section.values.emplace_back(field.key, StoredText(field));
    }
    return section;
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
        layout.push_back({Site(id).name, ChartSiteFor(id).fields(model)});
    }
    return layout;
}

SettingFields StockRecordFields(StockList& list) {
    SettingFields fields;
    fields.reserve(size_t(3 * list.typeCount() + 7 * list.stockCount()));
    for (qint16 t = 0; t <= list.Maxtypes; ++t) {
        const QString index = QString::number(t);
        TypeRecord& type = list.types[t];
        fields.push_back({QStringLiteral("Type") + index, &type.Type});
        fields.push_back({QStringLiteral("Lowstock") + index, &type.Lowstock});
        fields.push_back({QStringLiteral("Histock") + index, &type.Histock});
    }
    for (qint16 i = 0; i <= list.Maxstocks; ++i) {
        appendStock(fields, list.stocks[i], QString::number(i));
    }
    return fields;
}

QStringList SectionNames() {
    QStringList names{GeneralSectionName, CustomSectionName, StockListSectionName};
    for (SiteId id : AllSites) {
        names << Site(id).name;
    }
    return names;
}

StoreSections ModelSections(Model& model, TwipsGeometry geometry) {
    StoreSections sections;
    for (SectionLayout& section : SettingsLayout(model, geometry)) {
        if (section.name == StockListSectionName) {
            const SettingFields records = StockRecordFields(model.list);
            section.fields.insert(section.fields.end(), records.begin(), records.end());
        }
        sections.push_back(toSection(section.name, section.fields));
    }
    return sections;
}

#include "store/StoreLayout.h"

#include "model/ChartSiteSettings.h"
#include "sites/ChartSite.h"
#include "sites/TemplateSite.h"
#include "store/StoredValue.h"

#include <algorithm>
#include <charconv>
#include <string>
#include <string_view>

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
        {QStringLiteral("OnePage"), &g.OnePage, nullptr, 0, true},
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
        fields.push_back({CustomUrlKey(n), &custom[n].CustomURL});
    }
    return fields;
}

// The keys of the type and stock records, made once: making them afresh for every save and
// export would cost more than writing the file.
struct RecordKeys {
    static constexpr std::string_view typeNames[] = {"Type", "Lowstock", "Histock"};
    static constexpr std::string_view stockNames[] = {"Stock",  "Description", "URL",   "Alt_BC",
                                                      "Alt_SM", "Alt_SP",      "Alt_YH"};
    static constexpr size_t longestKey = 16;  // "Description1000" and room to spare
    static constexpr size_t keyCount =
        std::size(typeNames) * TypeCapacity + std::size(stockNames) * StockCapacity;

    // The characters of every key, in one block that the keys refer to: thousands of keys are
    // made at the first load, and an allocation for each cost as much as reading the store.
    std::u16string text;
    std::array<std::array<QString, TypeCapacity>, std::size(typeNames)> type;
    std::array<std::array<QString, StockCapacity>, std::size(stockNames)> stock;

    RecordKeys() {
        text.reserve(longestKey * keyCount);  // never grows, so the keys stay valid
        fill(type, typeNames);
        fill(stock, stockNames);
    }

    template <typename Table, size_t N>
    void fill(Table& table, const std::string_view (&names)[N]) {
        for (size_t n = 0; n < N; ++n) {
            for (size_t i = 0; i < table[n].size(); ++i) {
                char digits[8];
                const std::string_view name = names[n];
                const std::string_view number(digits,
                                              std::to_chars(digits, std::end(digits), i).ptr);
                const size_t start = text.size();
                text.resize(start + name.size() + number.size());
                std::copy(number.begin(), number.end(),
                          std::copy(name.begin(), name.end(), text.begin() + qsizetype(start)));
                table[n][i] = QString::fromRawData(reinterpret_cast<const QChar*>(&text[start]),
                                                   qsizetype(text.size() - start));
            }
        }
    }
};

const RecordKeys& recordKeys() {
    static const RecordKeys keys;
    return keys;
}

size_t RecordFieldCount(const StockList& list) {
    return std::size(RecordKeys::typeNames) * static_cast<size_t>(list.typeCount()) +
           std::size(RecordKeys::stockNames) * static_cast<size_t>(list.stockCount());
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
        fields.push_back({QStringLiteral("Display"), &model.siteDisplay[static_cast<size_t>(id)],
                          &DisplayTable(), 0, true});
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
    const RecordKeys& keys = recordKeys();
    for (qint16 t = 0; t <= list.Maxtypes; ++t) {
        TypeRecord& type = list.types[t];
        visit({keys.type[0][t], &type.Type});
        visit({keys.type[1][t], &type.Lowstock});
        visit({keys.type[2][t], &type.Histock});
    }
    for (qint16 i = 0; i <= list.Maxstocks; ++i) {
        StockRecord& stock = list.stocks[i];
        QString* const texts[] = {&stock.Stock,  &stock.Description, &stock.URL,   &stock.Alt_BC,
                                  &stock.Alt_SM, &stock.Alt_SP,      &stock.Alt_YH};
        for (size_t n = 0; n < std::size(texts); ++n) {
            visit({keys.stock[n][i], texts[n]});
        }
    }
}

// Reading the store meets thousands of record keys; each shares the table's text instead of
// allocating its own copy.
const QString* RecordKeyNamed(QByteArrayView text) {
    qsizetype start = text.size();
    while (start > 0 && text[start - 1] >= '0' && text[start - 1] <= '9') {
        --start;
    }
    const qsizetype digits = text.size() - start;
    if (digits == 0 || digits > 4 || (digits > 1 && text[start] == '0')) {
        return nullptr;
    }
    size_t number = 0;
    for (const char digit : text.sliced(start)) {
        number = number * 10 + size_t(digit - '0');
    }
    const std::string_view name(text.data(), size_t(start));
    const RecordKeys& keys = recordKeys();
    const auto type =
        std::find(std::begin(RecordKeys::typeNames), std::end(RecordKeys::typeNames), name);
    if (type != std::end(RecordKeys::typeNames) && number < TypeCapacity) {
        return &keys.type[size_t(type - std::begin(RecordKeys::typeNames))][number];
    }
    const auto stock =
        std::find(std::begin(RecordKeys::stockNames), std::end(RecordKeys::stockNames), name);
    if (stock != std::end(RecordKeys::stockNames) && number < StockCapacity) {
        return &keys.stock[size_t(stock - std::begin(RecordKeys::stockNames))][number];
    }
    return nullptr;
}

const QString& TypeNameKey(qint16 t) {
    return recordKeys().type[0][t];
}

const QString& StockSymbolKey(qint16 i) {
    return recordKeys().stock[0][i];
}

const QString& StockUrlKey(qint16 i) {
    return recordKeys().stock[2][i];  // "URL"
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
            ForEachStockRecordField(model.list,
                                    [&](const SettingField& field) { appendValue(stored, field); });
        }
    }
    return sections;
}

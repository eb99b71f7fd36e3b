#pragma once

#include "model/Model.h"
#include "model/SettingField.h"
#include "settings/RecordKeys.h"
#include "settings/StoreSections.h"
#include "settings/WindowGeometry.h"

#include <QStringList>
#include <functional>

#include <vector>

// The store's sections bound to the model: the one description of which key holds which
// field, used to save, load, export and import.

inline const QString GeneralSectionName = QStringLiteral("General");
// The keys of the main window's position in "General".
inline const QString TopKey = QStringLiteral("Top");
inline const QString LeftKey = QStringLiteral("Left");
inline const QString CustomSectionName = QStringLiteral("Custom");
inline const QString StockListSectionName = QStringLiteral("StockList");
// The number of template chart sites is the key Count of this section; each site has a
// section of its own (sites/TemplateSite.h).
inline const QString ChartSitesSectionName = QStringLiteral("ChartSites");
inline const QString ChartSiteCountKey = QStringLiteral("Count");
// The own chart site of earlier versions, which loading turns into a template site.
inline const QString OwnSiteSectionName = QStringLiteral("OwnSite");

struct SectionLayout {
    QString name;
    SettingFields fields;
};

using StoreLayout = std::vector<SectionLayout>;

// Every section in export order (General, Custom, StockList, the built-in sites in SiteId
// order, then, while there are template sites, ChartSites and a section per site), with the
// window's position and size at the end of General. The StockList section holds only Maxtypes
// and Maxstocks; the records follow from ForEachStockRecordField. ChartSites holds no field:
// its Count is the length of the model's list.
StoreLayout SettingsLayout(Model& model, TwipsGeometry& geometry);

// Visits Type, Lowstock, Histock of each type in use, then the texts of each stock in use,
// its exchange last, stored only when set. A visit rather than a list: the list would be as
// large as the store.
void ForEachStockRecordField(StockList& list,
                             const std::function<void(const SettingField&)>& visit);

// The exchange of stock `i`, in the store only when set.
SettingField ExchangeField(StockRecord& stock, qint16 i);

// The key of type `t`'s name and of stock `i`'s symbol, which every stored record has.
QString TypeNameKey(qint16 t);
QString StockSymbolKey(qint16 i);
// The keys of the addresses the pages link to: stock `i`'s home page, custom link `n`'s.
QString StockUrlKey(qint16 i);
QString CustomUrlKey(size_t n);

// The names of every section of this program, OwnSite and every ChartSite section that can
// be stored included.
QStringList SectionNames();

// The model and the window geometry as store content, in export order, leaving out the
// fields stored only when set that are not.
StoreSections ModelSections(Model& model, TwipsGeometry geometry);

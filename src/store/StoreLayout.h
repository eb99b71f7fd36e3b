#pragma once

#include "model/Model.h"
#include "model/SettingField.h"
#include "store/StoreSections.h"
#include "store/WindowGeometry.h"

#include <QStringList>
#include <functional>

#include <vector>

// The store's sections bound to the model: the one description of which key holds which
// field, used to save, load, export and import.

inline const QString GeneralSectionName = QStringLiteral("General");
inline const QString CustomSectionName = QStringLiteral("Custom");
inline const QString StockListSectionName = QStringLiteral("StockList");

struct SectionLayout {
    QString name;
    SettingFields fields;
};

using StoreLayout = std::vector<SectionLayout>;

// Every section in export order (General, Custom, StockList, the sites in SiteId order, OwnSite),
// with the window's position and size at the end of General. The StockList section holds
// only Maxtypes and Maxstocks; the records follow from ForEachStockRecordField.
StoreLayout SettingsLayout(Model& model, TwipsGeometry& geometry);

// Visits Type, Lowstock, Histock of each type in use, then the seven texts of each stock in
// use. A visit rather than a list: the list would be as large as the store.
void ForEachStockRecordField(StockList& list,
                             const std::function<void(const SettingField&)>& visit);

// The key of type `t`'s name and of stock `i`'s symbol, which every stored record has.
const QString& TypeNameKey(qint16 t);
const QString& StockSymbolKey(qint16 i);
// The keys of the addresses the pages link to: stock `i`'s home page, custom link `n`'s.
const QString& StockUrlKey(qint16 i);
QString CustomUrlKey(size_t n);

// The names of every section of this program.
QStringList SectionNames();

// The model and the window geometry as store content, in export order. OwnSite is left out
// while it holds the defaults.
StoreSections ModelSections(Model& model, TwipsGeometry geometry);

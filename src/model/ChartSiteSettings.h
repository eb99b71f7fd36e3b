#pragma once

#include "model/OptionTable.h"
#include "model/SettingField.h"
#include "model/SymbolForms.h"

#include <QString>
#include <QtGlobal>

// A chart site made from an address template (store sections "ChartSites" and "ChartSite1"
// to "ChartSite20"). Its pages are FileName + ".html" and FileName + ".frame.html"; the file
// name is made from the name when the site is created and stays when it is renamed, so that
// bookmarks of its pages keep working.
struct ChartSiteSettings {
    QString Name;
    QString Template;         // see model/AddressTemplate.h
    qint16 SymbolsFrom = -1;  // -1 the stock's symbol, 0 to 3 the alternate symbol of that site
    qint16 Display = 0;       // where its charts open: an index into DisplayTable()
    bool Enabled = true;
    QString FileName;
    SymbolForms Forms{};  // stored only when it has a row

    bool operator==(const ChartSiteSettings&) const = default;
};

inline constexpr int ChartSiteLimit = 20;
inline constexpr int ChartSiteNameLimit = 40;
inline constexpr int FileNameLimit = 40;

// The file name of the site the own chart site of earlier versions became, and of the site
// the own-site dialog makes.
inline const QString OwnSiteFileName = QStringLiteral("own");

// The choices of SymbolsFrom, in order: label 0 stands for -1, the stock's own symbol, then
// each built-in site's alternate symbol ("BigCharts symbol").
const OptionTable& SymbolsFromTable();

// Where a site's charts open, for every site: 0 in the chart frame, 1 in one browser window
// that every chart link reuses, 2 in a new tab on every click.
const OptionTable& DisplayTable();

// The key Display of a site's section, built in or template. The built-in sites' came after
// their stores did and is stored only when set; a template site's is always stored.
SettingField DisplayField(qint16& display, bool storedWhenSet);

inline const QString SymbolFormsKey = QStringLiteral("SymbolForms");

// The key SymbolForms of a site's section, built in or template, stored only while it differs
// from `usual` (or is not empty, without one).
SettingField SymbolFormsField(SymbolForms& forms, const SymbolForms* usual);

// The link target of `display`: "right" (the chart frame), "new" or "_blank". A value that
// only a hand-edited store can hold opens in the chart frame.
const char* DisplayTarget(qint16 display);

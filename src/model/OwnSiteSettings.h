#pragma once

#include "model/OptionTable.h"

#include <QString>
#include <QtGlobal>

// A chart site of the user's own choosing, described by an address template (store section
// "OwnSite"). Off by default; while it is off nothing of it reaches the pages, the store or an
// export.
struct OwnSiteSettings {
    bool Enabled = false;
    QString Name;
    QString Template;         // an http or https address with "{symbol}" where the symbol goes
    qint16 SymbolsFrom = -1;  // -1 the stock's symbol, 0 to 3 the alternate symbol of that site
    bool NewWindow = false;   // chart links open in the window "new", not in the chart frame

    bool operator==(const OwnSiteSettings&) const = default;
};

// The own site's pages are "own.html" and "own.frame.html".
inline const QString OwnSiteFileName = QStringLiteral("own");
inline const QString SymbolPlaceholder = QStringLiteral("{symbol}");
inline constexpr int OwnSiteNameLimit = 40;

// The choices of SymbolsFrom, in order: label 0 stands for -1, the stock's own symbol.
const OptionTable& SymbolsFromTable();

// Why the settings cannot make a chart site (the message for the user), or an empty text.
QString OwnSiteProblem(const OwnSiteSettings& settings);

// Enabled and sound: pages and links are written for it. A template spoilt by hand in the
// store leaves the site out rather than writing links that lead nowhere.
bool OwnSiteInUse(const OwnSiteSettings& settings);

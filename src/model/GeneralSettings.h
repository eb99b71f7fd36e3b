#pragma once

#include "model/SiteTable.h"

#include <QString>
#include <QtGlobal>

// Settings of the page set as a whole (store section "General"). HtmlDir always ends in the
// path separator; file names are appended to it directly.
struct GeneralSettings {
    QString HtmlDir;
    PerSite<bool> SiteEnabled = [] {  // keys BigCharts_enable ... in SiteId order
        PerSite<bool> all;
        all.fill(true);
        return all;
    }();
    qint16 PanelPercent = 20;
    qint32 TextColor = 0;         // RGB, red in the low byte
    qint32 BackColor = 16777215;  // white
    bool UseBrowserColors = true;
    QString StartPage = QStringLiteral("stockpoint");
    bool ForceUpper = false;
    bool NoLineWraps = false;
    bool UseSavedGeometry = false;
    bool OnePage = false;  // also write index.html, the one-page chart browser, and open it

    bool operator==(const GeneralSettings&) const = default;
};

// One of the two custom links of the navigation pages (store section "Custom").
struct CustomURLEntry {
    qint16 CustomURLAction = 0;  // 0 disabled, 1 chart frame ("right"), 2 new window ("new")
    QString CustomDesc;
    QString CustomURL;

    bool operator==(const CustomURLEntry&) const = default;
};

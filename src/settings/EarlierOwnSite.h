#pragma once

#include "model/ChartSiteSettings.h"
#include "model/SettingField.h"
#include "settings/SettingsStore.h"

#include <optional>

// The own chart site of earlier versions (section "OwnSite"): one site made from an address
// template, off by default, opening its charts in the window "new" when NewWindow was set.
struct EarlierOwnSite {
    bool Enabled = false;
    QString Name;
    QString Template;
    qint16 SymbolsFrom = -1;
    bool NewWindow = false;

    bool operator==(const EarlierOwnSite&) const = default;
};

// The keys of the section "OwnSite", so that a script of an earlier version imports whole.
SettingFields EarlierOwnSiteFields(EarlierOwnSite& site);

// The stored own site as the template site "own" (Display 1 where NewWindow was set), or
// nothing when the section holds only defaults.
std::optional<ChartSiteSettings> ReadEarlierOwnSite(const SettingsStore& store);

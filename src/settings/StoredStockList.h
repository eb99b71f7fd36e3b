#pragma once

#include "model/StockList.h"
#include "settings/SettingsStore.h"

#include <QString>
#include <optional>

// Reads the StockList section into `list`. A stored list that breaks the list's invariants is
// repaired: what can be recovered is kept, and the reason is returned for a warning.
std::optional<QString> LoadStockList(const SettingsStore& store, StockList& list);

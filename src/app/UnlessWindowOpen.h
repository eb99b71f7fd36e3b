#pragma once

#include "settings/Storage.h"

#include <functional>

// Runs `writeStore`, a batch command that writes the store, and returns its exit status, unless
// a window holds the store: its next save would put its own settings back. Then it says so on
// standard error and returns 1. The store stays held while the command runs.
int UnlessWindowOpen(const Storage& storage, const std::function<int()>& writeStore);

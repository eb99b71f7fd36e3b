#pragma once

#include "ui/platform/Platform.h"

// Asks the desktop to open `file` with its associated program; says so when that fails.
void OpenDocumentOrReport(Platform& platform, const QString& file);

// Asks the desktop's web browser to open `address`; says so when that fails.
void OpenAddressOrReport(Platform& platform, const QString& address);

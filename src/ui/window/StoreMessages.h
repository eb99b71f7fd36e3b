#pragma once

#include "settings/StoreResult.h"
#include "ui/platform/Platform.h"

// Shows a store or file operation's failure and warnings, then `success` when it worked and
// there is something to say.
void ReportStoreResult(Platform& platform, const StoreResult& result, const QString& success = {});

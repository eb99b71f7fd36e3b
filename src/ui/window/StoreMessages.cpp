#include "ui/window/StoreMessages.h"

void ReportStoreResult(Platform& platform, const StoreResult& result, const QString& success) {
    if (!result.ok) {
        platform.message(result.error);
    }
    for (const QString& warning : result.warnings) {
        platform.message(warning);
    }
    if (result.ok && !success.isEmpty()) {
        platform.message(success);
    }
}

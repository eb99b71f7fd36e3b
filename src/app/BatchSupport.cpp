#include "app/BatchSupport.h"

#include "settings/Storage.h"
#include "settings/StoredGeometry.h"

void PrintLine(FILE* stream, const QString& text) {
    std::fputs(qPrintable(text + u'\n'), stream);
}

int Report(const StoreResult& result) {
    for (const QString& warning : result.warnings) {
        PrintLine(stderr, warning);
    }
    if (!result.ok) {
        PrintLine(stderr, result.error);
    }
    return result.ok ? 0 : 1;
}

bool LoadAsAtStartup(const Storage& storage, Model& model, StoredGeometry& geometry) {
    return Report(LoadAtStartup(model, storage, &geometry)) == 0;
}

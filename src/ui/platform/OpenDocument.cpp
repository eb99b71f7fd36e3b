#include "ui/platform/OpenDocument.h"

void OpenDocumentOrReport(Platform& platform, const QString& file) {
    if (!platform.openDocument(file)) {
        platform.message(QStringLiteral("Could not open %1: the desktop has no program for "
                                        "this kind of file, or the program failed to start.")
                             .arg(file));
    }
}

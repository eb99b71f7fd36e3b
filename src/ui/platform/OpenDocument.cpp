#include "ui/platform/OpenDocument.h"

#include <QCoreApplication>

void OpenDocumentOrReport(Platform& platform, const QString& file) {
    if (!platform.openDocument(file)) {
        platform.message(
            QCoreApplication::translate("OpenDocument",
                                        "Could not open %1: the desktop has no program for "
                                        "this kind of file, or the program failed to start.")
                .arg(file));
    }
}

void OpenAddressOrReport(Platform& platform, const QString& address) {
    if (!platform.openAddress(address)) {
        platform.message(QCoreApplication::translate(
                             "OpenDocument",
                             "Could not open %1: the desktop has no web browser, or it failed to "
                             "start.")
                             .arg(address));
    }
}

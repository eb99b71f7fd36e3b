#include "settings/Storage.h"

#include "files/FilePaths.h"

#include <QStandardPaths>

Storage::Storage(QString storeFile)
    : storeFile_(std::move(storeFile)), file_(LinkTarget(storeFile_)) {}

QString Storage::defaultStoreFile() {
    return QStandardPaths::writableLocation(QStandardPaths::GenericConfigLocation) +
           QStringLiteral("/Tickvane/Tickvane.ini");
}

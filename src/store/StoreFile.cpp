#include "store/Storage.h"

#include <QStandardPaths>

Storage::Storage(QString storeFile) : storeFile_(std::move(storeFile)) {}

QString Storage::defaultStoreFile() {
    return QStandardPaths::writableLocation(QStandardPaths::GenericConfigLocation) +
           QStringLiteral("/Tickvane/Tickvane.ini");
}

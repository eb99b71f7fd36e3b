#include "settings/Storage.h"

#include "files/FilePaths.h"

#include <QStandardPaths>

Storage::Storage(QString storeFile, QString defaultHtmlDir)
    : storeFile_(std::move(storeFile)),
      file_(LinkTarget(storeFile_)),
      defaultHtmlDir_(std::move(defaultHtmlDir)) {}

QString Storage::defaultStoreFile() {
    return QStandardPaths::writableLocation(QStandardPaths::GenericConfigLocation) +
           QStringLiteral("/Tickvane/Tickvane.ini");
}

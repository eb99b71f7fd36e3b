#include "app/ProgramStorage.h"

#include "files/DefaultHtmlDir.h"

#include <QCoreApplication>

Storage ProgramStorage(const QString& storeFile) {
    return Storage(storeFile, DefaultHtmlDirFor(QCoreApplication::applicationDirPath()));
}

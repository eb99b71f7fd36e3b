#include "model/DefaultHtmlDir.h"

#include <QCoreApplication>
#include <QFileInfo>
#include <QStandardPaths>

QString WithTrailingSeparator(const QString& path) {
    return path.endsWith(HtmlDirSeparator) ? path : path + HtmlDirSeparator;
}

QString DefaultHtmlDir() {
    const QString programDir = QCoreApplication::applicationDirPath();
    if (!programDir.isEmpty() && QFileInfo(programDir).isWritable()) {
        return WithTrailingSeparator(programDir);
    }
    const QString dataDir = QStandardPaths::writableLocation(QStandardPaths::GenericDataLocation);
    return WithTrailingSeparator(dataDir + QStringLiteral("/Tickvane/pages"));
}

bool IsLocalFullPath(const QString& path) {
    return path.startsWith(HtmlDirSeparator);
}

#include "files/DefaultHtmlDir.h"

#include <QFileInfo>
#include <QStandardPaths>
#include <algorithm>
#include <iterator>

QString WithTrailingSeparator(const QString& path) {
    return path.endsWith(HtmlDirSeparator) ? path : path + HtmlDirSeparator;
}

namespace {
constexpr const char* SystemFolders[] = {"/usr/", "/opt/", "/bin/", "/sbin/", "/lib/"};

// Where installed programs live: pages there would mix with the system's files.
bool isSystemFolder(const QString& folder) {
    const QString within = WithTrailingSeparator(folder);
    return std::any_of(std::begin(SystemFolders), std::end(SystemFolders), [&](const char* system) {
        return within.startsWith(QLatin1String(system));
    });
}
}  // namespace

QString DefaultHtmlDirFor(const QString& programDir) {
    if (!programDir.isEmpty() && !isSystemFolder(programDir) &&
        QFileInfo(programDir).isWritable()) {
        return WithTrailingSeparator(programDir);
    }
    const QString dataDir = QStandardPaths::writableLocation(QStandardPaths::GenericDataLocation);
    return WithTrailingSeparator(dataDir + QStringLiteral("/Tickvane/pages"));
}

bool IsLocalFullPath(const QString& path) {
    return path.startsWith(HtmlDirSeparator);
}

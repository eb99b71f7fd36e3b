#include "files/FilePaths.h"

#include <sys/stat.h>
#include <QFile>
#include <QFileInfo>

namespace {
// As many links as the system follows in one path.
constexpr int MaxLinkDepth = 40;

bool statOf(const QString& path, struct stat& info) {
    return ::stat(QFile::encodeName(path).constData(), &info) == 0;
}
}  // namespace

QString LinkTarget(const QString& path) {
    QFileInfo info(path);
    if (!info.isSymLink()) {
        return path;
    }
    if (const QString existing = info.canonicalFilePath(); !existing.isEmpty()) {
        return existing;
    }
    for (int depth = 0; info.isSymLink() && depth < MaxLinkDepth; ++depth) {
        info.setFile(info.symLinkTarget());
    }
    return info.filePath();
}

QString ResolvedPath(const QString& path) {
    const QFileInfo file(LinkTarget(path));
    if (const QString existing = file.canonicalFilePath(); !existing.isEmpty()) {
        return existing;
    }
    const QString folder = QFileInfo(file.absolutePath()).canonicalFilePath();
    return (folder.isEmpty() ? file.absolutePath() : folder) + u'/' + file.fileName();
}

bool IsSameFile(const QString& a, const QString& b) {
    struct stat first {};
    struct stat second {};
    return statOf(a, first) && statOf(b, second) && first.st_dev == second.st_dev &&
           first.st_ino == second.st_ino;
}

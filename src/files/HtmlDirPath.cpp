#include "files/HtmlDirPath.h"

#include "files/DefaultHtmlDir.h"

#include <QCoreApplication>
#include <QDir>
#include <QFileInfo>

QString ExpandHome(const QString& path) {
    return path.startsWith(QStringLiteral("~/")) ? QDir::homePath() + path.mid(1) : path;
}

QString HtmlDirProblem(const QString& path) {
    if (path.isEmpty()) {
        return QCoreApplication::translate(
            "HtmlDirPath",
            "The path for HTML files is empty. Please enter the folder the "
            "web pages are to be written to.");
    }
    if (QDir::isRelativePath(path)) {
        return QCoreApplication::translate(
                   "HtmlDirPath",
                   "The path for HTML files \"%1\" is not a full path. Please enter "
                   "a path that starts with \"/\", or with \"~/\" for your home "
                   "folder.")
            .arg(path);
    }
    const QFileInfo info(QDir::cleanPath(path));
    if (info.exists() && !info.isDir()) {
        return QCoreApplication::translate(
                   "HtmlDirPath", "The path for HTML files \"%1\" names a file, not a folder.")
            .arg(path);
    }
    return QString();
}

QString FolderOf(const QString& file) {
    return file.left(file.lastIndexOf(HtmlDirSeparator) + 1);
}

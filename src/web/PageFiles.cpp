#include "web/PageFiles.h"

#include "files/DefaultHtmlDir.h"

#include <QFile>
#include <filesystem>
#include <system_error>
#include <utility>

PageFiles::PageFiles(const QString& htmlDir, GenerationReport& report)
    : dir_(htmlDir.isEmpty() ? htmlDir : WithTrailingSeparator(htmlDir)), report_(report) {}

bool PageFiles::prepare() {
    if (dir_.isEmpty()) {
        return fail(tr("No folder has been chosen for the pages."));
    }
    std::error_code error;
    std::filesystem::create_directories(QFile::encodeName(dir_).toStdString(), error);
    if (error) {
        return fail(tr("Could not create the folder \"%1\": %2")
                        .arg(dir_, QString::fromLocal8Bit(error.message())));
    }
    return true;
}

bool PageFiles::write(const QString& fileName, QByteArrayView bytes) {
    if (!finishPage(FolderFlush::Later)) {
        return false;
    }
    const QString path = dir_ + fileName;
    QString reason = ReplaceRefusal(path);
    if (reason.isEmpty()) {
        reason = pending_.start(path, bytes);
    }
    if (!reason.isEmpty()) {
        return failOn(path, reason);
    }
    pendingPath_ = path;
    return true;
}

bool PageFiles::finish() {
    return finishPage(FolderFlush::Now);
}

bool PageFiles::finishPage(FolderFlush folder) {
    if (pendingPath_.isEmpty()) {
        return true;
    }
    const QString path = std::exchange(pendingPath_, QString());
    const QString reason = pending_.finish(folder);
    if (!reason.isEmpty()) {
        return failOn(path, reason);
    }
    report_.fileWritten(path);
    return true;
}

bool PageFiles::failOn(const QString& path, const QString& reason) {
    return fail(tr("Could not write \"%1\": %2").arg(path, reason));
}

bool PageFiles::fail(const QString& message) {
    error_ = message;
    return false;
}

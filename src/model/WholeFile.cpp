#include "model/WholeFile.h"

#include <sys/stat.h>
#include <QFile>
#include <QSaveFile>
#include <cerrno>
#include <cstdio>
#include <cstring>

namespace {
bool isStream(const struct stat& info) {
    return S_ISCHR(info.st_mode) || S_ISFIFO(info.st_mode);
}

// A device or FIFO is written in place: replacing it would break what it is.
QString writeInto(QFile& file, QByteArrayView bytes) {
    if (file.write(bytes.data(), bytes.size()) != bytes.size() || !file.flush()) {
        return file.errorString();
    }
    return {};
}

QString writeStream(const QString& path, QByteArrayView bytes) {
    QFile file;
    const bool opened = path == u"-"
                            ? file.open(stdout, QIODevice::WriteOnly, QFileDevice::DontCloseHandle)
                            : (file.setFileName(path), file.open(QIODevice::WriteOnly));
    return opened ? writeInto(file, bytes) : file.errorString();
}

// QSaveFile forgets why a buffered write failed by the time it commits, so the bytes are
// flushed first while the reason can still be read.
QString replace(const QString& path, QByteArrayView bytes) {
    QSaveFile file(path);
    if (!file.open(QIODevice::WriteOnly)) {
        return file.errorString();
    }
    if (file.write(bytes.data(), bytes.size()) != bytes.size() || !file.flush()) {
        const QString reason = file.errorString();
        file.cancelWriting();
        return reason;
    }
    return file.commit() ? QString() : file.errorString();
}
}  // namespace

QString SystemReason(int error) {
    return QString::fromLocal8Bit(std::strerror(error));
}

QString ReplaceRefusal(const QString& path) {
    struct stat info {};
    if (::stat(QFile::encodeName(path).constData(), &info) != 0) {
        return errno == ENOENT ? QString() : SystemReason(errno);
    }
    if (S_ISREG(info.st_mode)) {
        return {};
    }
    return S_ISDIR(info.st_mode) ? QStringLiteral("it is a folder")
                                 : QStringLiteral("it is not a regular file");
}

QString WriteWholeFile(const QString& path, QByteArrayView bytes, SpecialFiles special) {
    if (special == SpecialFiles::WriteInto) {
        struct stat info {};
        if (path == u"-" ||
            (::stat(QFile::encodeName(path).constData(), &info) == 0 && isStream(info))) {
            return writeStream(path, bytes);
        }
    }
    const QString refusal = ReplaceRefusal(path);
    return refusal.isEmpty() ? replace(path, bytes) : refusal;
}

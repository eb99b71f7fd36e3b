#include "files/WholeFile.h"

#include "files/FilePaths.h"
#include "files/WholeFileFolder.h"

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>
#include <QCoreApplication>
#include <QFile>
#include <QRandomGenerator>
#include <cerrno>
#include <cstdio>
#include <cstring>
#include <utility>

namespace {
bool isStream(const struct stat& info) {
    return S_ISCHR(info.st_mode) || S_ISFIFO(info.st_mode);
}

// Written through the descriptor so that a failure keeps the system's reason: a write may stop
// short without an error (a disk filling up part-way), and only the next one says why.
QString writeAll(int fd, QByteArrayView bytes) {
    const char* next = bytes.data();
    qsizetype left = bytes.size();
    while (left > 0) {
        const ssize_t written = ::write(fd, next, size_t(left));
        if (written < 0 && errno == EINTR) {
            continue;
        }
        if (written <= 0) {
            // A write that takes nothing without an error has run out of room.
            return SystemReason(written < 0 ? errno : ENOSPC);
        }
        next += written;
        left -= written;
    }
    return {};
}

// Until the bytes are on the disk, a power cut could leave the new name on an empty or cut
// file. A file system that cannot flush a file says so with these errors: not a failure.
QString flushToDisk(int fd) {
    if (::fdatasync(fd) == 0 || errno == EINVAL || errno == ENOTSUP || errno == EROFS) {
        return {};
    }
    return SystemReason(errno);
}

// A device or FIFO is written in place: replacing it would break what it is.
QString writeStream(const QString& path, QByteArrayView bytes) {
    if (path == u"-") {
        std::fflush(stdout);
        return writeAll(STDOUT_FILENO, bytes);
    }
    QFile file(path);
    return file.open(QIODevice::WriteOnly) ? writeAll(file.handle(), bytes) : file.errorString();
}

// A new file beside `target`, for the bytes that will replace it; its name is in `temp`.
int createBeside(const QByteArray& target, QByteArray& temp) {
    for (int attempt = 0; attempt < 100; ++attempt) {
        temp = TempNameOf(target, QRandomGenerator::global()->generate());
        const int fd = ::open(temp.constData(), O_WRONLY | O_CREAT | O_EXCL | O_CLOEXEC, 0666);
        if (fd >= 0 || errno != EEXIST) {
            return fd;
        }
    }
    return -1;
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
    if (S_ISDIR(info.st_mode)) {
        //: Why a file could not be read or written.
        return QCoreApplication::translate("WholeFile", "it is a folder");
    }
    //: Why a file could not be read or written.
    return QCoreApplication::translate("WholeFile", "it is not a regular file");
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
    if (!refusal.isEmpty()) {
        return refusal;
    }
    WholeFileReplacement replacement;
    const QString reason = replacement.start(path, bytes);
    return reason.isEmpty() ? replacement.finish() : reason;
}

WholeFileReplacement::~WholeFileReplacement() {
    abandon();
}

// The bytes go into a file beside the old one, reach the disk and only then take its name.
// (QSaveFile ignores a failed flush and flushes a second time, which costs a disk cache flush.)
QString WholeFileReplacement::start(const QString& path, QByteArrayView bytes) {
    abandon();
    target_ = QFile::encodeName(LinkTarget(path));
    fd_ = createBeside(target_, temp_);
    if (fd_ < 0) {
        return SystemReason(errno);
    }
    struct stat old {};
    if (::stat(target_.constData(), &old) == 0) {
        // Keeping the old file's permissions is a courtesy; a file system may not have them.
        ::fchmod(fd_, old.st_mode & 07777);
    }
    const QString reason = writeAll(fd_, bytes);
    if (!reason.isEmpty()) {
        abandon();
        return reason;
    }
    // Only a hint, so its failure is no failure: finish() flushes in any case.
    ::sync_file_range(fd_, 0, 0, SYNC_FILE_RANGE_WRITE);
    return {};
}

QString WholeFileReplacement::finish(FolderFlush folder) {
    QString reason = flushToDisk(fd_);
    if (::close(std::exchange(fd_, -1)) != 0 && reason.isEmpty()) {
        reason = SystemReason(errno);
    }
    if (reason.isEmpty() && ::rename(temp_.constData(), target_.constData()) != 0) {
        reason = SystemReason(errno);
    }
    if (!reason.isEmpty()) {
        ::unlink(temp_.constData());
    }
    temp_.clear();
    if (!reason.isEmpty()) {
        return reason;
    }
    RemoveKilledTemps(target_);
    return folder == FolderFlush::Now ? FlushFolderOf(target_) : QString();
}

void WholeFileReplacement::abandon() {
    if (fd_ >= 0) {
        ::close(std::exchange(fd_, -1));
        ::unlink(temp_.constData());
    }
}

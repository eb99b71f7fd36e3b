#include "files/WholeFileFolder.h"

#include "files/WholeFile.h"

#include <dirent.h>
#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>
#include <algorithm>
#include <cerrno>
#include <ctime>

namespace {
// What follows a target's name in the names of the files that replace it.
constexpr char TempMark[] = ".tmp-";

// Temporary files older than this were left by a program that was killed while it wrote.
const timespec ProgramStart = [] {
    timespec now{};
    ::clock_gettime(CLOCK_REALTIME, &now);
    return now;
}();

bool olderThanProgram(const struct stat& info) {
    return info.st_mtim.tv_sec < ProgramStart.tv_sec ||
           (info.st_mtim.tv_sec == ProgramStart.tv_sec &&
            info.st_mtim.tv_nsec < ProgramStart.tv_nsec);
}

// Whether `name` is one that TempNameOf() gives the files replacing `target`.
bool isTempOf(QByteArrayView name, QByteArrayView target) {
    const qsizetype prefix = target.size() + qsizetype(sizeof TempMark) - 1;
    if (name.size() <= prefix || !name.startsWith(target) ||
        !name.sliced(target.size()).startsWith(TempMark)) {
        return false;
    }
    for (const char c : name.sliced(prefix)) {
        if (!(c >= '0' && c <= '9') && !(c >= 'a' && c <= 'z')) {
            return false;
        }
    }
    return true;
}

// The folder that holds `target`.
QByteArray folderOf(const QByteArray& target) {
    const qsizetype slash = target.lastIndexOf('/');
    return slash < 0 ? QByteArray(".") : target.left(std::max<qsizetype>(slash, 1));
}
}  // namespace

QByteArray TempNameOf(const QByteArray& target, quint32 random) {
    return target + TempMark + QByteArray::number(random, 36);
}

void RemoveKilledTemps(const QByteArray& target) {
    const QByteArrayView name = QByteArrayView(target).sliced(target.lastIndexOf('/') + 1);
    DIR* dir = ::opendir(folderOf(target).constData());
    if (!dir) {
        return;
    }
    struct stat info {};
    while (const dirent* entry = ::readdir(dir)) {
        if (isTempOf(entry->d_name, name) &&
            ::fstatat(::dirfd(dir), entry->d_name, &info, AT_SYMLINK_NOFOLLOW) == 0 &&
            S_ISREG(info.st_mode) && olderThanProgram(info)) {
            ::unlinkat(::dirfd(dir), entry->d_name, 0);
        }
    }
    ::closedir(dir);
}

QString FlushFolderOf(const QByteArray& target) {
    const int fd = ::open(folderOf(target).constData(), O_RDONLY | O_DIRECTORY | O_CLOEXEC);
    if (fd < 0) {
        // A folder that may be written but not read cannot be flushed by its writers.
        return errno == EACCES ? QString() : SystemReason(errno);
    }
    QString reason;
    if (::fsync(fd) != 0 && errno != EINVAL && errno != ENOTSUP && errno != EROFS) {
        reason = SystemReason(errno);
    }
    ::close(fd);
    return reason;
}

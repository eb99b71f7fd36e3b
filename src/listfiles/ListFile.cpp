#include "listfiles/ListFile.h"

#include "files/BoundedRead.h"
#include "files/WholeFile.h"
#include "listfiles/ListCsv.h"

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>
#include <QFile>
#include <QFileInfo>
#include <cerrno>
#include <cstdio>

namespace {
// A pipe, socket or device may never end or keep the reader waiting, and a folder holds no
// list: only a regular file is read.
QString notAFile(mode_t mode) {
    if (S_ISREG(mode)) {
        return {};
    }
    return S_ISDIR(mode)    ? QStringLiteral("is a folder, not a file")
           : S_ISFIFO(mode) ? QStringLiteral("is a named pipe, not a file")
           : S_ISSOCK(mode) ? QStringLiteral("is a socket, not a file")
                            : QStringLiteral("is a device, not a file");
}

QString unreadable(const QString& reason) {
    return QStringLiteral("could not be read: ") + reason;
}

// Opens a regular file without ever waiting: the kind is checked before the file is opened,
// and again on what was opened, since a named pipe put in its place in between would block.
QString openRegularFile(QFile& file, const QString& path) {
    const QByteArray name = QFile::encodeName(path);
    struct stat info {};
    if (::stat(name.constData(), &info) != 0) {
        return unreadable(SystemReason(errno));
    }
    if (const QString refusal = notAFile(info.st_mode); !refusal.isEmpty()) {
        return refusal;
    }
    const int fd = ::open(name.constData(), O_RDONLY | O_NONBLOCK | O_CLOEXEC);
    if (fd < 0) {
        return unreadable(SystemReason(errno));
    }
    QString problem =
        ::fstat(fd, &info) != 0 ? unreadable(SystemReason(errno)) : notAFile(info.st_mode);
    if (problem.isEmpty() && !file.open(fd, QIODevice::ReadOnly, QFileDevice::AutoCloseHandle)) {
        problem = unreadable(file.errorString());
    }
    if (!problem.isEmpty()) {
        ::close(fd);
    }
    return problem;
}

QString open(QFile& file, const QString& path) {
    if (path == u"-") {
        return file.open(stdin, QIODevice::ReadOnly, QFileDevice::DontCloseHandle)
                   ? QString()
                   : unreadable(file.errorString());
    }
    return openRegularFile(file, path);
}

ListReading unread(const QString& problem) {
    ListReading reading;
    reading.error = problem;
    return reading;
}
}  // namespace

ListReading ReadListFile(const QString& path) {
    QFile file;
    if (const QString problem = open(file, path); !problem.isEmpty()) {
        return unread(problem);
    }
    QByteArray bytes;
    if (!ReadBounded(file, bytes)) {
        return unread(QStringLiteral("is larger than 64 MiB, so it is not a list of stocks"));
    }
    if (file.error() != QFileDevice::NoError) {
        return unread(unreadable(file.errorString()));
    }
    return ReadList(bytes);
}

QString ListTypeName(const QString& path) {
    if (path == u"-") {
        return QStringLiteral("Added");
    }
    const QFileInfo file(path);
    return file.completeBaseName().isEmpty() ? file.fileName() : file.completeBaseName();
}

QString ListFileSource(const QString& path) {
    return path == u"-" ? QStringLiteral("standard input") : u'"' + path + u'"';
}

QString ListReadingMessage(const QString& source, const ListReading& reading) {
    if (reading.errorLine > 0) {
        return QStringLiteral("%1, line %2: %3.")
            .arg(source)
            .arg(reading.errorLine)
            .arg(reading.error);
    }
    return QStringLiteral("%1 %2.").arg(source, reading.error);
}

QString WriteListFile(const StockList& list, const QString& path) {
    const QString reason = WriteWholeFile(path, ListCsv(list), SpecialFiles::WriteInto);
    return reason.isEmpty() ? QString()
                            : QStringLiteral("Could not write \"%1\": %2.").arg(path, reason);
}

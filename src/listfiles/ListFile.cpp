#include "listfiles/ListFile.h"

#include "files/BoundedRead.h"
#include "files/WholeFile.h"
#include "listfiles/ListCsv.h"

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>
#include <QCoreApplication>
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
    // Each follows the file's name.
    return S_ISDIR(mode)    ? QCoreApplication::translate("ListFile", "is a folder, not a file")
           : S_ISFIFO(mode) ? QCoreApplication::translate("ListFile", "is a named pipe, not a file")
           : S_ISSOCK(mode) ? QCoreApplication::translate("ListFile", "is a socket, not a file")
                            : QCoreApplication::translate("ListFile", "is a device, not a file");
}

QString unreadable(const QString& reason) {
    //: follows the file's name; %1 is the system's reason
    return QCoreApplication::translate("ListFile", "could not be read: %1").arg(reason);
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
        return unread(QCoreApplication::translate(
            "ListFile", "is larger than 64 MiB, so it is not a list of stocks"));
    }
    if (file.error() != QFileDevice::NoError) {
        return unread(unreadable(file.errorString()));
    }
    return ReadList(bytes);
}

QString ListTypeName(const QString& path) {
    if (path == u"-") {
        //: The name of the type (category of stocks) that rows read from standard input go to.
        return QCoreApplication::translate("ListFile", "Added");
    }
    const QFileInfo file(path);
    return file.completeBaseName().isEmpty() ? file.fileName() : file.completeBaseName();
}

QString ListFileSource(const QString& path) {
    return path == u"-" ? QCoreApplication::translate("ListFile", "standard input")
                        : u'"' + path + u'"';
}

QString ListReadingMessage(const QString& source, const ListReading& reading) {
    if (reading.errorLine > 0) {
        //: %1 is the list's source, %2 a line number, %3 what is wrong there
        return QCoreApplication::translate("ListFile", "%1, line %2: %3.")
            .arg(source)
            .arg(reading.errorLine)
            .arg(reading.error);
    }
    //: %1 is the list's source, %2 what is wrong with it, such as "holds no stock symbols"
    return QCoreApplication::translate("ListFile", "%1 %2.").arg(source, reading.error);
}

QString WriteListFile(const StockList& list, const QString& path) {
    const QString reason = WriteWholeFile(path, ListCsv(list), SpecialFiles::WriteInto);
    return reason.isEmpty() ? QString()
                            //: %1 is a file's name, %2 the system's reason
                            : QCoreApplication::translate("ListFile", "Could not write \"%1\": %2.")
                                  .arg(path, reason);
}

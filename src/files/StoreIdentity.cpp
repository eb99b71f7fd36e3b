#include "files/StoreIdentity.h"

#include "files/BoundedRead.h"

#include <sys/stat.h>
#include <QFile>

namespace {
StoreIdentity identityOf(const struct stat& info, const QByteArray& content) {
    return {info.st_size, qint64(info.st_mtim.tv_sec) * 1000000000 + info.st_mtim.tv_nsec, content};
}
}  // namespace

StoreIdentity IdentityOf(const QString& storeFile) {
    struct stat info {};
    if (::stat(QFile::encodeName(storeFile).constData(), &info) != 0) {
        return {};
    }
    // Only a regular file is read: opening a FIFO would wait for a writer.
    QFile file(storeFile);
    QByteArray content;
    if (S_ISREG(info.st_mode) && file.open(QIODevice::ReadOnly)) {
        ReadBounded(file, content);
    }
    return identityOf(info, content);
}

StoreIdentity IdentityOfRead(int descriptor, const QByteArray& content) {
    struct stat info {};
    return ::fstat(descriptor, &info) == 0 ? identityOf(info, content) : StoreIdentity{};
}

StoreIdentity IdentityOfWritten(const QString& storeFile, const QByteArray& content) {
    struct stat info {};
    return ::stat(QFile::encodeName(storeFile).constData(), &info) == 0 ? identityOf(info, content)
                                                                        : StoreIdentity{};
}

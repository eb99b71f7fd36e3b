#include "store/StoreIdentity.h"

#include <sys/stat.h>
#include <QCryptographicHash>
#include <QFile>

StoreIdentity IdentityOf(const QString& storeFile) {
    StoreIdentity identity;
    struct stat info {};
    if (::stat(QFile::encodeName(storeFile).constData(), &info) != 0) {
        return identity;
    }
    identity.size = info.st_size;
    identity.modifiedNs = qint64(info.st_mtim.tv_sec) * 1000000000 + info.st_mtim.tv_nsec;
    // Only a regular file is read: opening a FIFO would wait for a writer.
    QFile file(storeFile);
    QCryptographicHash hash(QCryptographicHash::Sha256);
    if (S_ISREG(info.st_mode) && file.open(QIODevice::ReadOnly) && hash.addData(&file)) {
        identity.hash = hash.result();
    }
    return identity;
}

#include "model/WholeFile.h"
#include "support/Files.h"

#include <sys/resource.h>
#include <sys/syscall.h>
#include <unistd.h>
#include <QDir>
#include <QTemporaryDir>
#include <cerrno>
#include <csignal>

static int flushError = 0;  // what a flush to disk fails with; 0: the system flushes

// Linked in place of the system's call, so that a flush can fail on demand.
extern "C" int fdatasync(int fd) {
    errno = flushError;
    return flushError == 0 ? int(syscall(SYS_fdatasync, fd)) : -1;
}

// A file replaced whole: a write that stops short or a flush that fails keeps the old file
// and nothing beside it, with the system's reason; a file system that cannot flush is no
// failure. The old file's permissions stay.
class WholeFileTest : public QObject {
    Q_OBJECT
  private Q_SLOTS:
    void replacedOnlyOnceOnDisk_data() {
        QTest::addColumn<int>("flushError");  // -1: a write stops short, the next one fails
        QTest::addColumn<QString>("reason");  // empty: replaced
        QTest::newRow("replaced") << 0 << "";
        QTest::newRow("write stops short") << -1 << "File too large";
        QTest::newRow("flush fails") << EIO << "Input/output error";
        QTest::newRow("no flush: EINVAL") << EINVAL << "";
        QTest::newRow("no flush: ENOTSUP") << ENOTSUP << "";
        QTest::newRow("no flush: EROFS") << EROFS << "";
    }
    void replacedOnlyOnceOnDisk() {
        QFETCH(int, flushError);
        QFETCH(QString, reason);
        QTemporaryDir dir;
        const QString path = dir.filePath(QStringLiteral("file"));
        writeFile(path, "old");
        QVERIFY(QFile::setPermissions(path, QFile::ReadOwner | QFile::WriteOwner));
        std::signal(SIGXFSZ, SIG_IGN);  // a write past the size limit fails instead
        rlimit limit{};
        getrlimit(RLIMIT_FSIZE, &limit);
        const rlimit usual = limit;
        limit.rlim_cur = flushError < 0 ? 100 : limit.rlim_cur;
        setrlimit(RLIMIT_FSIZE, &limit);
        ::flushError = qMax(flushError, 0);
        const QByteArray bytes(1000, 'n');
        const QString result = WriteWholeFile(path, bytes, SpecialFiles::Refuse);
        ::flushError = 0;
        setrlimit(RLIMIT_FSIZE, &usual);
        QCOMPARE(result, reason);
        QCOMPARE(readFile(path), reason.isEmpty() ? bytes : QByteArray("old"));
        QVERIFY(!(QFile::permissions(path) & (QFile::ReadGroup | QFile::ReadOther)));
        QCOMPARE(QDir(dir.path()).entryList(QDir::Files | QDir::Hidden), QStringList{"file"});
    }

    // Pages are replaced in two steps; one started and dropped unfinished changes nothing.
    void abandonedReplacementKeepsTheFile() {
        QTemporaryDir dir;
        const QString path = dir.filePath(QStringLiteral("file"));
        writeFile(path, "old");
        {
            WholeFileReplacement replacement;
            QCOMPARE(replacement.start(path, "new"), QString());
        }
        QCOMPARE(readFile(path), QByteArray("old"));
        QCOMPARE(QDir(dir.path()).entryList(QDir::Files | QDir::Hidden), QStringList{"file"});
    }
};

QTEST_GUILESS_MAIN(WholeFileTest)
#include "tst_wholefile.moc"

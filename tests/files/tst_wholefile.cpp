#include "files/WholeFile.h"
#include "support/Files.h"

#include <sys/resource.h>
#include <sys/syscall.h>
#include <unistd.h>
#include <QDateTime>
#include <QDir>
#include <QTemporaryDir>
#include <cerrno>
#include <csignal>

static int flushError = 0;        // what a flush to disk fails with; 0: the system flushes
static int folderFlushError = 0;  // the same for the flush of the folder

// Linked in place of the system's calls, so that a flush can fail on demand.
extern "C" int fdatasync(int fd) {
    errno = flushError;
    return flushError == 0 ? int(syscall(SYS_fdatasync, fd)) : -1;
}
extern "C" int fsync(int fd) {
    errno = folderFlushError;
    return folderFlushError == 0 ? int(syscall(SYS_fsync, fd)) : -1;
}

// A file replaced whole: a write that stops short or a flush that fails keeps the old file
// and nothing beside it, with the system's reason; a file system that cannot flush is no
// failure. The old file's permissions stay. A folder that cannot be flushed after the rename
// is a failure, although the file is new.
class WholeFileTest : public QObject {
    Q_OBJECT
  private Q_SLOTS:
    void replacedOnlyOnceOnDisk_data() {
        QTest::addColumn<int>("flushError");  // -1: a write stops short, the next one fails
        QTest::addColumn<int>("folderError");
        QTest::addColumn<QString>("reason");  // empty: replaced
        QTest::newRow("replaced") << 0 << 0 << "";
        QTest::newRow("write stops short") << -1 << 0 << "File too large";
        QTest::newRow("flush fails") << EIO << 0 << "Input/output error";
        QTest::newRow("no flush: EINVAL") << EINVAL << 0 << "";
        QTest::newRow("no flush: ENOTSUP") << ENOTSUP << 0 << "";
        QTest::newRow("no flush: EROFS") << EROFS << 0 << "";
        QTest::newRow("folder flush fails") << 0 << EIO << "Input/output error";
        QTest::newRow("no folder flush: EINVAL") << 0 << EINVAL << "";
    }
    void replacedOnlyOnceOnDisk() {
        QFETCH(int, flushError);
        QFETCH(int, folderError);
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
        ::folderFlushError = folderError;
        const QByteArray bytes(1000, 'n');
        const QString result = WriteWholeFile(path, bytes, SpecialFiles::Refuse);
        ::flushError = ::folderFlushError = 0;
        setrlimit(RLIMIT_FSIZE, &usual);
        QCOMPARE(result, reason);
        QCOMPARE(readFile(path), reason.isEmpty() || folderError ? bytes : QByteArray("old"));
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

    // What killed writes of a file left beside it goes with its next write; nothing else does.
    void leftoversOfKilledWritesGo_data() {
        QTest::addColumn<QString>("name");
        QTest::addColumn<bool>("old");  // made before the program started
        QTest::addColumn<bool>("removed");
        QTest::newRow("killed write") << "file.tmp-1x9z" << true << true;
        QTest::newRow("a write going on now") << "file.tmp-1x9z" << false << false;
        QTest::newRow("backup") << "file.bak" << true << false;
        QTest::newRow("recovery") << "file.recovery" << true << false;
        QTest::newRow("not a name of ours") << "file.tmp-1X9Z" << true << false;
        QTest::newRow("another file's") << "other.tmp-1x9z" << true << false;
    }
    void leftoversOfKilledWritesGo() {
        QFETCH(QString, name);
        QFETCH(bool, old);
        QFETCH(bool, removed);
        QTemporaryDir dir;
        QFile beside(dir.filePath(name));
        QVERIFY(beside.open(QIODevice::WriteOnly));
        QVERIFY(!old || beside.setFileTime(QDateTime::fromSecsSinceEpoch(1),
                                           QFileDevice::FileModificationTime));
        beside.close();
        QCOMPARE(WriteWholeFile(dir.filePath(QStringLiteral("file")), "new", SpecialFiles::Refuse),
                 QString());
        QCOMPARE(beside.exists(), !removed);
    }
};

QTEST_GUILESS_MAIN(WholeFileTest)
#include "tst_wholefile.moc"

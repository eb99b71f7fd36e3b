#pragma once

#include <QByteArrayView>
#include <QString>

// Every file the program writes is written whole, here. A regular file (or a link to one,
// written through to its target) is replaced atomically once its bytes are on the disk, so a
// failed write or flush leaves it as it was. Failures are the system's own reasons ("No space
// left on device").

enum class SpecialFiles {
    Refuse,     // only a regular file may be written
    WriteInto,  // a character device or FIFO is written into directly; "-" is standard output
};

// The system's own words for an errno value.
QString SystemReason(int error);

// Why `path` cannot be written as a regular file ("it is a directory"), or empty when it can:
// it is missing, a regular file or a link to one.
QString ReplaceRefusal(const QString& path);

// Writes `bytes` as the whole content of `path`; returns the reason on failure, else empty.
QString WriteWholeFile(const QString& path, QByteArrayView bytes, SpecialFiles special);

// When a replacement's rename reaches the disk: with its own flush of the folder, or with the
// flush that follows the last of several files written into one folder.
enum class FolderFlush { Now, Later };

// The same replacement of a regular file in two steps, so that other work goes on while the
// disk takes the bytes: start() writes them beside the file and has the system begin putting
// them on the disk; finish() waits until they are there and gives them the file's name. A write
// that is started and never finished leaves the file as it was. A finish also removes the files
// that killed writes of the same file left beside it.
class WholeFileReplacement {
  public:
    WholeFileReplacement() = default;
    WholeFileReplacement(const WholeFileReplacement&) = delete;
    WholeFileReplacement& operator=(const WholeFileReplacement&) = delete;
    ~WholeFileReplacement();

    // Both return the reason on failure, else empty. `path` must be one that ReplaceRefusal
    // accepts; the bytes are taken before start() returns.
    QString start(const QString& path, QByteArrayView bytes);
    QString finish(FolderFlush folder = FolderFlush::Now);

  private:
    void abandon();

    int fd_ = -1;
    QByteArray temp_;
    QByteArray target_;
};

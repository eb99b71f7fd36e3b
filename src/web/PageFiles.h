#pragma once

#include "files/WholeFile.h"
#include "web/GeneratePages.h"

#include <QByteArrayView>
#include <QCoreApplication>
#include <QString>

// The page set's folder. Each page is written whole (WholeFileReplacement): a failed write
// leaves an older file of that name as it was, and a path that is not a regular file is
// refused. The first failure is kept as a message that names the file and the reason.
//
// A page is finished only when the next one is written (or at finish()), so that making the
// next page overlaps with the disk taking this one; the pages are still finished in order, and
// a failure stops the set where writing one page after the other would have.
class PageFiles {
    Q_DECLARE_TR_FUNCTIONS(PageFiles)

  public:
    PageFiles(const QString& htmlDir, GenerationReport& report);

    // Creates the folder, with its parents, when it does not exist yet.
    bool prepare();
    bool write(const QString& fileName, QByteArrayView bytes);
    // Finishes the last page written, and flushes the folder once for the whole set.
    bool finish();
    const QString& error() const { return error_; }

  private:
    bool finishPage(FolderFlush folder);
    bool failOn(const QString& path, const QString& reason);
    bool fail(const QString& message);

    QString dir_;
    GenerationReport& report_;
    QString error_;
    WholeFileReplacement pending_;
    QString pendingPath_;  // empty when no page waits to be finished
};

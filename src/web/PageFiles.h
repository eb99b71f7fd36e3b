#pragma once

#include "web/GeneratePages.h"

#include <QByteArrayView>
#include <QString>

// The page set's folder. Each page is written whole (WriteWholeFile): a failed write leaves an
// older file of that name as it was, and a path that is not a regular file is refused. The
// first failure is kept as a message that names the file and the reason.
class PageFiles {
  public:
    PageFiles(const QString& htmlDir, GenerationReport& report);

    // Creates the folder, with its parents, when it does not exist yet.
    bool prepare();
    bool write(const QString& fileName, QByteArrayView bytes);
    const QString& error() const { return error_; }

  private:
    bool fail(const QString& message);

    QString dir_;
    GenerationReport& report_;
    QString error_;
};

#include "store/ListFile.h"

#include "model/WholeFile.h"
#include "store/BoundedRead.h"
#include "store/ListCsv.h"

#include <QFile>
#include <cstdio>

namespace {
bool open(QFile& file, const QString& path) {
    if (path == u"-") {
        return file.open(stdin, QIODevice::ReadOnly, QFileDevice::DontCloseHandle);
    }
    file.setFileName(path);
    return file.open(QIODevice::ReadOnly);
}

ListReading unread(const QString& problem) {
    ListReading reading;
    reading.error = problem;
    return reading;
}
}  // namespace

ListReading ReadListFile(const QString& path) {
    QFile file;
    if (!open(file, path)) {
        return unread(QStringLiteral("could not be read: ") + file.errorString());
    }
    QByteArray bytes;
    if (!ReadBounded(file, bytes)) {
        return unread(QStringLiteral("is larger than 64 MiB, so it is not a list of stocks"));
    }
    if (file.error() != QFileDevice::NoError) {
        return unread(QStringLiteral("could not be read: ") + file.errorString());
    }
    return ReadList(bytes);
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

#include "web/PageFiles.h"

#include "model/DefaultHtmlDir.h"
#include "model/WholeFile.h"

#include <QFile>
#include <filesystem>
#include <system_error>

PageFiles::PageFiles(const QString& htmlDir, GenerationReport& report)
    : dir_(htmlDir.isEmpty() ? htmlDir : WithTrailingSeparator(htmlDir)), report_(report) {}

bool PageFiles::prepare() {
    if (dir_.isEmpty()) {
        return fail(QStringLiteral("No folder has been chosen for the pages."));
    }
    std::error_code error;
    std::filesystem::create_directories(QFile::encodeName(dir_).toStdString(), error);
    if (error) {
        return fail(QStringLiteral("Could not create the folder \"%1\": %2")
                        .arg(dir_, QString::fromLocal8Bit(error.message())));
    }
    return true;
}

bool PageFiles::write(const QString& fileName, QByteArrayView bytes) {
    const QString path = dir_ + fileName;
    const QString reason = WriteWholeFile(path, bytes, SpecialFiles::Refuse);
    if (!reason.isEmpty()) {
        return fail(QStringLiteral("Could not write \"%1\": %2").arg(path, reason));
    }
    report_.fileWritten(path);
    return true;
}

bool PageFiles::fail(const QString& message) {
    error_ = message;
    return false;
}

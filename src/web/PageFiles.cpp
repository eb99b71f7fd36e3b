#include "web/PageFiles.h"

#include "model/DefaultHtmlDir.h"

#include <QFile>
#include <QSaveFile>
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
    QSaveFile file(path);
    if (!file.open(QIODevice::WriteOnly) ||
        file.write(bytes.data(), bytes.size()) != bytes.size() || !file.commit()) {
        return fail(QStringLiteral("Could not write \"%1\": %2").arg(path, file.errorString()));
    }
    report_.fileWritten(path);
    return true;
}

bool PageFiles::fail(const QString& message) {
    error_ = message;
    return false;
}

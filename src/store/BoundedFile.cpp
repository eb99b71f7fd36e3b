#include "store/BoundedFile.h"

#include <QFile>

BoundedFile ReadBoundedFile(const QString& path) {
    BoundedFile content;
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly | QIODevice::Unbuffered)) {
        content.missing = !file.exists();
        content.error = file.errorString();
        return content;
    }
    if (!file.isSequential() && file.size() > MaxSettingsFileBytes) {
        content.tooLarge = true;
        return content;
    }
    // A pipe or a device tells no size, so one byte more than allowed is asked for.
    content.bytes = file.read(file.isSequential() ? MaxSettingsFileBytes + 1 : file.size());
    content.tooLarge = content.bytes.size() > MaxSettingsFileBytes;
    if (!content.tooLarge && file.error() != QFileDevice::NoError) {
        content.error = file.errorString();
    }
    if (content.tooLarge || !content.error.isEmpty()) {
        content.bytes.clear();
    }
    return content;
}

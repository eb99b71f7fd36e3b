#include "files/BoundedRead.h"

#include <QFile>

bool ReadBounded(QFile& file, QByteArray& bytes) {
    bytes.clear();
    if (!file.isSequential() && file.size() > MaxInputBytes) {
        return false;
    }
    // A pipe or a device tells no size, so one byte more than allowed is asked for.
    bytes = file.read(file.isSequential() ? MaxInputBytes + 1 : file.size());
    if (bytes.size() > MaxInputBytes) {
        bytes.clear();
        return false;
    }
    return true;
}

#include "ui/platform/RgbValue.h"

QColor ColorOfRgb(qint32 value) {
    return QColor(value & 0xFF, (value >> 8) & 0xFF, (value >> 16) & 0xFF);
}

qint32 RgbOfColor(const QColor& color) {
    return color.red() + 256 * color.green() + 65536 * color.blue();
}

#pragma once

#include <QColor>

// The program keeps colours as RGB values with red in the low byte:
// red + 256 * green + 65536 * blue.
QColor ColorOfRgb(qint32 value);
qint32 RgbOfColor(const QColor& color);

#include "ui/kit/DialogLayout.h"

#include "ui/kit/Twips.h"

#include <QDialog>
#include <QGroupBox>

#include <algorithm>
#include <cmath>

namespace {
// The width of the alphabet, both cases, in the font the layouts were drawn for.
constexpr int DesignAlphabetTwips = 4524;

// Measuring the alphabet means shaping it; a window places dozens of controls in one font, so
// the scale of the last font measured is kept.
double layoutScale(const QWidget& widget) {
    static const QString alphabet =
        QStringLiteral("abcdefghijklmnopqrstuvwxyzABCDEFGHIJKLMNOPQRSTUVWXYZ");
    static QString measuredFont;
    static int measuredDpi = 0;
    static double scale = 1.0;
    const QString font = widget.font().key();
    if (measuredDpi != widget.logicalDpiX() || measuredFont != font) {
        measuredFont = font;
        measuredDpi = widget.logicalDpiX();
        const int width = widget.fontMetrics().horizontalAdvance(alphabet);
        scale = std::max(1.0, double(width) / TwipsToPixels(DesignAlphabetTwips));
    }
    return scale;
}

int scaledPixels(int twips, double scale) {
    return static_cast<int>(std::lround(TwipsToPixels(twips) * scale));
}
}  // namespace

int LayoutPixels(const QWidget& widget, int twips) {
    return scaledPixels(twips, layoutScale(widget));
}

void PlaceAt(QWidget& widget, int left, int top, int width, int height) {
    const double scale = layoutScale(widget);
    widget.setGeometry(scaledPixels(left, scale), scaledPixels(top, scale),
                       scaledPixels(width, scale), scaledPixels(height, scale));
}

void PlaceAt(QWidget& widget, const QRect& twips) {
    PlaceAt(widget, twips.x(), twips.y(), twips.width(), twips.height());
}

QGroupBox* AddFrame(QWidget* parent, const QString& caption, int left, int top, int width,
                    int height) {
    auto* frame = new QGroupBox(caption, parent);
    PlaceAt(*frame, left, top, width, height);
    return frame;
}

void SetFixedDialogSize(QDialog& dialog, QSize clientTwips) {
    dialog.setFixedSize(LayoutPixels(dialog, clientTwips.width()),
                        LayoutPixels(dialog, clientTwips.height()));
    dialog.setWindowFlags(Qt::Dialog | Qt::CustomizeWindowHint | Qt::WindowTitleHint |
                          Qt::WindowSystemMenuHint | Qt::WindowCloseButtonHint);
}

#include "ui/kit/DialogLayout.h"

#include "ui/kit/Twips.h"

#include <QDialog>
#include <QGroupBox>

#include <algorithm>
#include <cmath>

namespace {
// The width of the alphabet, both cases, in the font the layouts were drawn for.
constexpr int DesignAlphabetTwips = 4524;

double layoutScale(const QWidget& widget) {
    static const QString alphabet =
        QStringLiteral("abcdefghijklmnopqrstuvwxyzABCDEFGHIJKLMNOPQRSTUVWXYZ");
    const int width = widget.fontMetrics().horizontalAdvance(alphabet);
    return std::max(1.0, double(width) / TwipsToPixels(DesignAlphabetTwips));
}
}  // namespace

int LayoutPixels(const QWidget& widget, int twips) {
    return static_cast<int>(std::lround(TwipsToPixels(twips) * layoutScale(widget)));
}

void PlaceAt(QWidget& widget, int left, int top, int width, int height) {
    widget.setGeometry(LayoutPixels(widget, left), LayoutPixels(widget, top),
                       LayoutPixels(widget, width), LayoutPixels(widget, height));
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

#include "ui/DialogLayout.h"

#include "ui/Twips.h"

#include <QGroupBox>

void PlaceAt(QWidget& widget, int left, int top, int width, int height) {
    widget.setGeometry(TwipsRect(left, top, width, height));
}

QGroupBox* AddFrame(QWidget* parent, const QString& caption, int left, int top, int width,
                    int height) {
    auto* frame = new QGroupBox(caption, parent);
    PlaceAt(*frame, left, top, width, height);
    return frame;
}

#pragma once

#include <QString>

class QGroupBox;
class QWidget;

// The dialogs use fixed layouts given in twips within each control's container. They were
// drawn for a narrow 8-point font; with a wider font the whole layout is stretched so that
// every caption still fits.
int LayoutPixels(const QWidget& widget, int twips);
void PlaceAt(QWidget& widget, int left, int top, int width, int height);

// A captioned frame. An "&" in the caption makes its access key focus the frame's first
// control.
QGroupBox* AddFrame(QWidget* parent, const QString& caption, int left, int top, int width,
                    int height);

#pragma once

#include <QRect>
#include <QString>

class QDialog;
class QGroupBox;
class QWidget;

// The windows use fixed layouts given in twips within each control's container. They were
// drawn for a narrow 8-point font; with a wider font the whole layout is stretched so that
// every caption still fits.
int LayoutPixels(const QWidget& widget, int twips);
void PlaceAt(QWidget& widget, int left, int top, int width, int height);
void PlaceAt(QWidget& widget, const QRect& twips);

// Gives `dialog` a fixed size in pixels and a title bar without the maximise and minimise
// buttons, which could do nothing useful to it.
void SetFixedDialogSize(QDialog& dialog, int width, int height);

// A captioned frame. An "&" in the caption makes its access key focus the frame's first
// control.
QGroupBox* AddFrame(QWidget* parent, const QString& caption, int left, int top, int width,
                    int height);

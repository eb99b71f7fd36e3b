#pragma once

#include <QGroupBox>
#include <QRect>
#include <QSize>
#include <QString>

class QDialog;
class QWidget;

// The windows use fixed layouts given in twips within each control's container. They were
// drawn for a narrow 8-point font; with a wider font the whole layout is stretched so that
// every caption still fits.
int LayoutPixels(const QWidget& widget, int twips);
void PlaceAt(QWidget& widget, int left, int top, int width, int height);
void PlaceAt(QWidget& widget, const QRect& twips);

// Gives `dialog` the fixed client area `clientTwips` and a title bar without the maximise and
// minimise buttons, which could do nothing useful to it.
void SetFixedDialogSize(QDialog& dialog, QSize clientTwips);

// A captioned frame. An "&" in the caption makes its access key focus the frame's first
// control.
QGroupBox* AddFrame(QWidget* parent, const QString& caption, int left, int top, int width,
                    int height);

// A `Control` named `name` at `controlTwips` inside a captioned frame named `name` + "Frame".
template <typename Control>
Control* AddFramedControl(QWidget* parent, const QString& caption, const QString& name,
                          const QRect& frameTwips, const QRect& controlTwips) {
    QGroupBox* frame = AddFrame(parent, caption, frameTwips.x(), frameTwips.y(), frameTwips.width(),
                                frameTwips.height());
    frame->setObjectName(name + QStringLiteral("Frame"));
    auto* control = new Control(frame);
    control->setObjectName(name);
    PlaceAt(*control, controlTwips);
    return control;
}

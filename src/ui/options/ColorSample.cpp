#include "ui/options/ColorSample.h"

#include "ui/platform/RgbValue.h"

#include <QApplication>

ColorSample::ColorSample(QWidget* parent) : QLabel(tr("Sample"), parent) {
    setAlignment(Qt::AlignCenter);
    setFrameStyle(QFrame::Panel | QFrame::Sunken);
    setAutoFillBackground(true);
    setFocusPolicy(Qt::NoFocus);
}

void ColorSample::setColors(qint32 text, qint32 back) {
    text_ = text;
    back_ = back;
    paintColors();
}

void ColorSample::showSystemColors(bool system) {
    system_ = system;
    paintColors();
}

void ColorSample::paintColors() {
    QPalette colors = QApplication::palette(this);
    if (!system_) {
        colors.setColor(QPalette::WindowText, ColorOfRgb(text_));
        colors.setColor(QPalette::Window, ColorOfRgb(back_));
    }
    setPalette(colors);
}

void ColorSample::mousePressEvent(QMouseEvent* event) {
    QLabel::mousePressEvent(event);
    Q_EMIT clicked();
}

void ColorSample::mouseDoubleClickEvent(QMouseEvent* event) {
    QLabel::mouseDoubleClickEvent(event);
    Q_EMIT clicked();
}

#pragma once

#include <QLabel>

// A preview of the navigation frame's colours: the word "Sample" in the text colour on the
// background colour. It keeps the colours being chosen until the dialog applies them. It
// never takes the keyboard focus; a click on it is reported so the dialog can move the focus
// to a button.
class ColorSample : public QLabel {
    Q_OBJECT
  public:
    explicit ColorSample(QWidget* parent = nullptr);

    // RGB values, red in the low byte.
    void setColors(qint32 text, qint32 back);
    qint32 textColor() const { return text_; }
    qint32 backColor() const { return back_; }
    // Shows the desktop's own colours instead of the chosen ones, which are kept.
    void showSystemColors(bool system);

  Q_SIGNALS:
    void clicked();

  protected:
    void mousePressEvent(QMouseEvent* event) override;
    void mouseDoubleClickEvent(QMouseEvent* event) override;

  private:
    void paintColors();

    qint32 text_ = 0;
    qint32 back_ = 0;
    bool system_ = true;
};

#pragma once

#include <QLineEdit>

// A web address field: entering it while empty starts it with "http://", and the caret goes
// to the end of the text.
class WebAddressField : public QLineEdit {
    Q_OBJECT
  public:
    using QLineEdit::QLineEdit;

  protected:
    void focusInEvent(QFocusEvent* event) override;
};

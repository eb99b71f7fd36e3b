#include "ui/kit/WebAddressField.h"

void WebAddressField::focusInEvent(QFocusEvent* event) {
    // After the base class, which may select the whole text on a tab into the field.
    QLineEdit::focusInEvent(event);
    if (text().isEmpty()) {
        setText(scheme());
    }
    end(false);
}

#include "ui/kit/WebAddressField.h"

#include "model/StockEntry.h"

void WebAddressField::focusInEvent(QFocusEvent* event) {
    // After the base class, which may select the whole text on a tab into the field.
    QLineEdit::focusInEvent(event);
    if (text().isEmpty()) {
        setText(WebAddressStart());
    }
    end(false);
}

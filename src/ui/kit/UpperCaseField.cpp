#include "ui/kit/UpperCaseField.h"

#include "model/StockEntry.h"

#include <QLineEdit>

void KeepUpperCase(QLineEdit& field) {
    QObject::connect(&field, &QLineEdit::textChanged, &field, [&field](const QString& text) {
        const QString upper = SymbolCase(text);
        if (upper != text) {
            const int caret = field.cursorPosition();
            field.setText(upper);
            field.setCursorPosition(caret);
        }
    });
}

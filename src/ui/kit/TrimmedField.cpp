#include "ui/kit/TrimmedField.h"

#include <QLineEdit>

QString TrimField(QLineEdit& field) {
    field.setText(field.text().trimmed());
    return field.text();
}

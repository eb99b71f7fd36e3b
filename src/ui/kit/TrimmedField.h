#pragma once

#include <QString>

class QLineEdit;

// Takes the blanks off both ends of the field's text, so the user sees what is stored, and
// returns the text.
QString TrimField(QLineEdit& field);

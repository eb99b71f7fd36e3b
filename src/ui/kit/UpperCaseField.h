#pragma once

class QLineEdit;

// Keeps the field's text in upper case on every change, typed or set, with the caret left
// where it was.
void KeepUpperCase(QLineEdit& field);

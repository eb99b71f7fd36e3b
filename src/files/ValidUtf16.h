#pragma once

#include <QString>

// Replaces every unpaired surrogate of `text` by U+FFFD. A file may name one through an escape
// or carry one in UTF-16, but no UTF-8 file can carry it back.
void ReplaceLoneSurrogates(QString& text);

#pragma once

#include <QString>
#include <QtGlobal>
#include <optional>

// The text of a moving-average length in days. Empty text is 0; blanks alone are no number. A
// number may have blanks around it, a sign, a decimal point with a fraction and an exponent
// ("12", "-5", " 12.5 ", "2.5e1"); it is rounded to the nearest whole number, halves to the
// even neighbour. Anything else, and a number that does not fit in 16 bits once rounded, is
// refused.
std::optional<qint16> ParseDays(const QString& text);

// The box's text for `days`: empty for 0.
QString DaysText(qint16 days);

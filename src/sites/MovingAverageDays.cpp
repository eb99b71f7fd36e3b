#include "sites/MovingAverageDays.h"

#include <QRegularExpression>
#include <cmath>
#include <limits>

std::optional<qint16> ParseDays(const QString& text) {
    if (text.isEmpty()) {
        return qint16(0);
    }
    // Blanks alone are no number.
    const QString number = text.trimmed();
    static const QRegularExpression numeric(
        QStringLiteral(R"(^[+-]?(\d+\.?\d*|\.\d+)([eE][+-]?\d+)?$)"));
    if (!numeric.match(number).hasMatch()) {
        return std::nullopt;
    }
    bool ok = false;
    // The default rounding mode sends halves to the even neighbour.
    const double days = std::nearbyint(number.toDouble(&ok));
    if (!ok || days < std::numeric_limits<qint16>::min() ||
        days > std::numeric_limits<qint16>::max()) {
        return std::nullopt;
    }
    return static_cast<qint16>(days);
}

QString DaysText(qint16 days) {
    return days == 0 ? QString() : QString::number(days);
}

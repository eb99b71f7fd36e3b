#include "model/Limits.h"

namespace {
QString limitMessage(int limit, const char* what) {
    return QStringLiteral("Sorry, you have reached the (arbitrary) limit of") + u' ' +
           QString::number(limit) + QString::fromLatin1(what) +
           QStringLiteral(".  If this limit is a problem, please contact") +
           QStringLiteral(" the author.");
}
}  // namespace

QString TypeLimitMessage() {
    return limitMessage(TypeAddLimit, " types");
}
QString StockLimitMessage() {
    return limitMessage(StockAddLimit, " stocks");
}

#include "model/Limits.h"

#include <QCoreApplication>

QString TypeLimitMessage() {
    return QCoreApplication::translate(
        "Limits",
        "Sorry, you have reached the (arbitrary) limit of %n types.  "
        "If this limit is a problem, please contact the author.",
        nullptr, TypeAddLimit);
}
QString StockLimitMessage() {
    return QCoreApplication::translate(
        "Limits",
        "Sorry, you have reached the (arbitrary) limit of %n stocks.  "
        "If this limit is a problem, please contact the author.",
        nullptr, StockAddLimit);
}

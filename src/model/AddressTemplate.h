#pragma once

#include "model/ChartAddress.h"

#include <QString>
#include <optional>

// The address template of a chart site: an absolute http or https address in which
// "{symbol}" stands for the stock's symbol, optionally with filters applied left to right
// ("{symbol|dash|lower}"), and "{{" and "}}" for literal braces. The filtered symbol is
// percent-encoded.
struct AddressTemplate {
    std::optional<ChartAddress> address;
    QString problem;  // why the template is refused, quoting what is wrong; empty when not
};

AddressTemplate ParseAddressTemplate(const QString& text);

// The same grammar for any pattern over the symbol, named `what` in the problems ("symbol
// form"): the symbol goes in filtered, not encoded.
AddressTemplate ParseSymbolPattern(const QString& text, QStringView what);

#pragma once

#include "model/StockList.h"

#include <QString>

// What the stock editor makes of the texts the user enters. Lists read from files follow the
// same rules, so a stock brought in that way is one the editor could have made.

// The longest text a field of the editors holds.
inline constexpr int EntryMaxLength = 32767;

// What an empty web page field starts with; left alone, it means no web page.
QString WebAddressStart();

// Symbols are kept in upper case.
QString SymbolCase(const QString& text);

// Blanks trimmed from every field, and a web page that is nothing but its start dropped.
StockRecord TidyStockEntry(StockRecord stock);

#pragma once

#include "model/StockList.h"

#include <QString>

enum class MatchRule {
    Prefix,    // the symbol or the description starts with the text
    Anywhere,  // the symbol or the description holds the text
};

// The first stock whose symbol or description matches `text` without regard to case, looking
// at every stock once in list order from index `start` on, backwards when `step` is -1, and
// wrapping round at either end (a start outside the list wraps too). -1 when none matches.
qint16 FindStock(const StockList& list, const QString& text, MatchRule rule, int start, int step);

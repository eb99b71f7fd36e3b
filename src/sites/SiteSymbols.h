#pragma once

#include "sites/ChartSite.h"

#include <QHash>
#include <optional>

// The symbols one chart site links the stocks with: the alternate symbol its symbols come
// from when the stock has one; otherwise, for a stock with an exchange that the site has a
// symbol form for, the form filled with the stock's symbol; otherwise the stock's symbol. The
// site's forms are read once, and only when a stock has an exchange, so a page asks for
// thousands of symbols at next to no cost.
class SiteSymbols {
  public:
    SiteSymbols(const ChartSite& site, const Model& model);

    // Valid until the next call.
    const QString& of(const StockRecord& stock) const;
    // The form's symbol alone, or nothing when the alternate or the plain symbol is the one.
    std::optional<QString> formed(const StockRecord& stock) const;

  private:
    qint16 from_;
    QHash<QString, ChartAddress> forms_;  // by exchange
    mutable QString formed_;              // the last symbol `of` made from a form
};

#pragma once

#include "model/StockList.h"

#include <QCoreApplication>
#include <QList>

class Platform;

// What a list dialog was filled from: every type's name and stock range and, when it acts on
// one, a stock's record. The dialog keeps indexes into the list while it is open; Done applies
// them only while the list still holds what they pointed at.
class ListSnapshot {
    Q_DECLARE_TR_FUNCTIONS(ListSnapshot)

  public:
    // `stock` -1: the dialog acts on no stock.
    void take(const StockList& list, qint16 stock = -1);
    // True when `list` still holds what was taken; otherwise tells the user that nothing was
    // changed.
    bool stillHeldBy(const StockList& list, Platform& platform) const;

  private:
    bool matches(const StockList& list) const;

    QList<TypeRecord> types_;
    qint16 stock_ = -1;
    StockRecord record_;
};

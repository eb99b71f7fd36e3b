#pragma once

#include "model/StockList.h"

#include <QByteArray>

// The list as CSV, as a spreadsheet opens it: the header line
// "Type,Symbol,Description,URL,BigCharts,StockMaster,StockPoint,Yahoo", with ",Exchange" after
// it when a stock of the list has an exchange, then one row per stock in list order, and for a
// type without stocks a row with only its name, so that reading the file back gives the same
// list. A text a spreadsheet would evaluate gets an apostrophe in
// front (see FormulaCells.h). UTF-8 without byte-order mark, CR LF line ends.
QByteArray ListCsv(const StockList& list);

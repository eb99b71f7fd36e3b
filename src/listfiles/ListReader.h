#pragma once

#include "model/ListRows.h"

#include <QByteArrayView>
#include <QString>
#include <QStringList>

// Ample for a list that holds at most 1001 stocks, and a bound on what a large file can cost.
inline constexpr qsizetype MaxListRows = 100000;

struct ListReading {
    ListRows rows;
    qsizetype errorLine = 0;    // where the problem is; 0 when it is the whole text's
    QString error;              // why nothing was read; empty when the rows were read
    QStringList unreadColumns;  // CSV columns left out: "column 3, Symbol again, not read"
};

// Reads a list in whichever form its content shows:
// - CSV with a header line that names its columns (see ListColumns.h); the delimiter is the
//   comma, semicolon or tab under which the header's names are recognised;
// - a charting tool's watchlist: entries separated by commas or line ends, "###Name" starting
//   the type Name, and "EXCHANGE:SYMBOL" entries giving the stock the exchange MarketCodeNamed
//   finds for EXCHANGE, if any, and SYMBOL (so does a list whose every entry has one);
// - otherwise a plain list of symbols separated by commas, semicolons, blanks or line ends; a
//   line that is one CSV field in double quotes is one symbol.
// Refuses control characters other than tabs and line ends (binary data), more than
// MaxListRows rows, and a text without a symbol.
ListReading ReadListText(const QString& text);

// The same from a file's bytes, decoded as a registry script is: UTF-8 with or without its
// byte-order mark, UTF-16 after its byte-order mark, else Windows-1252.
ListReading ReadList(QByteArrayView bytes);

// `summary` followed by the columns the reading left out, each after "; ".
QString WithUnreadColumns(const QString& summary, const ListReading& reading);

#pragma once

#include "model/StockList.h"

#include <QByteArrayView>
#include <QString>
#include <optional>
#include <string_view>

// The keys of the type and stock records: a field name and the record's index ("Type0",
// "Description1000"). Their text is made by the compiler, so the thousands of keys a load, a
// save or an export meets cost no work at start-up and no allocation.

inline constexpr std::string_view TypeFieldNames[] = {"Type", "Lowstock", "Histock"};

// The key of field `field` of type `t` (an index into TypeFieldNames) or stock `i` (a
// StockTextField: "Stock", "Description", "URL", then "Alt_BC" ... from the site table).
QString TypeRecordKey(size_t field, qint16 t);
QString StockRecordKey(size_t field, qint16 i);

// The record key spelled by `text` exactly, or nothing.
std::optional<QString> RecordKeyNamed(QByteArrayView text);

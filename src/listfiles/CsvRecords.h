#pragma once

#include <QByteArrayView>
#include <QString>
#include <QStringList>
#include <vector>

// RFC 4180 records, read and written by libcsv: fields may be quoted, a quoted field may hold
// the delimiter, doubled quotes and line ends; blanks around an unquoted field do not count.

struct CsvRecord {
    qsizetype line = 0;  // where the record starts, from 1
    QStringList fields;
};

struct CsvRecords {
    std::vector<CsvRecord> records;
    qsizetype errorLine = 0;  // where reading stopped, when `error` is not empty
    QString error;
};

// The records of UTF-8 `text` split at `delimiter`. Blank lines hold no record. Reading stops
// at the first misplaced or unclosed quote, with an error, and after one record more than
// `maxRecords`.
CsvRecords ReadCsvRecords(QByteArrayView text, char delimiter, qsizetype maxRecords);

// `text` as one field: quoted when it holds a delimiter, a quote or a line end, or starts or
// ends with a blank, which unquoted would be lost.
QByteArray CsvField(const QString& text);

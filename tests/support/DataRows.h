#pragma once

#include <QList>
#include <QString>
#include <QStringList>

// Makes the rows of a data-driven test from tests/data/FILE. Its first line names the
// columns, separated by tabs; every further line that is not empty is a row, its first field
// the row's name. Every column holds a QString; a last column "line" holds the row's line
// number, so that a failure can name it.
void AddDataRows(const QString& file);

// The rows of tests/data/FILE, each its fields with the row's name first.
QList<QStringList> DataRows(const QString& file);

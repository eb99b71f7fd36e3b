#pragma once

#include <QString>

// A spreadsheet takes a cell that starts with =, +, -, @, a tab or a carriage return for a
// formula. Such a text is written with an apostrophe in front, which makes it plain text
// there, and read without it. The texts behind leading apostrophes decide, so that a text
// that starts with an apostrophe of its own comes back as it was too.

// `text` as a cell no spreadsheet evaluates.
QString FormulaSafeCell(const QString& text);

// The text of a cell that FormulaSafeCell may have written.
QString TextOfFormulaSafeCell(const QString& cell);

#pragma once

#include <QString>

class QComboBox;

// A market as a list shows it: the code and, for a market the program knows, its name
// ("XLON – London Stock Exchange").
QString MarketLabel(const QString& code);

// Makes `list` an editable drop-down list of the markets the program knows, in which any other
// code may be typed; typing a part of a market's name offers the markets that have it.
void FillMarketList(QComboBox& list);

// The code `list` shows: its text's first word, in upper case.
QString MarketCodeIn(const QComboBox& list);

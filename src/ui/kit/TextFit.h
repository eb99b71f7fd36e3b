#pragma once

#include <QSize>
#include <vector>

class QDialog;
class QWidget;

// The windows place their controls at fixed positions drawn for English captions at the
// default font. A longer translation or a bigger font needs more room: a control whose text
// does not fit grows, the controls it would then cover move right or down by as much, keeping
// their gaps, and frames grow to hold their children with their margins. What fits stays
// where it is. Run once, when a window is built or first shown.

// Fits the children of `container`, which keeps its size; returns how much further right and
// down they reach than before.
QSize FitChildrenToTexts(QWidget& container);

// Fits a dialog of fixed size and grows it by what its controls need; the `corner` buttons keep
// their distances from its right and bottom edges.
void FitDialogToTexts(QDialog& dialog, const std::vector<QWidget*>& corner);

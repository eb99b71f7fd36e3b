#pragma once

#include <QString>

class QGroupBox;
class QWidget;

// A caption as it is read out: without the "&" that marks its access key.
QString WithoutAccessKey(const QString& caption);

// Gives a control inside a captioned frame the frame's caption (without its access key
// marker) as the name screen readers announce. Called again when the caption changes.
void NameAfterFrame(QWidget& control);

// Gives a frame its own caption as its name: a frame inside another frame is otherwise
// announced by the outer frame's caption.
void NameAfterCaption(QGroupBox& frame);

// Has screen readers announce a drop-down list by its name and then its entry. Qt on Linux
// gives a drop-down its current entry as its name; this program's drop-downs are named by
// their captions. Called once, before the first window opens.
void AnnounceDropDownsByName();

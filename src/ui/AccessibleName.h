#pragma once

class QWidget;

// Gives a control inside a captioned frame the frame's caption (without its access key
// marker) as the name screen readers announce. Called again when the caption changes.
void NameAfterFrame(QWidget& control);

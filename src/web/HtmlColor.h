#pragma once

#include "model/GeneralSettings.h"

#include <QByteArray>
#include <QtGlobal>

// An RGB value (red in the low byte) as a page colour: "#" and six upper-case hexadecimal
// digits, red first. Only the low 24 bits count.
QByteArray HtmlColor(qint32 rgb);

// The colour attributes of a page's body tag (" bgcolor=#FFFFFF text=#000000"), or nothing
// when the pages leave colours to the browser.
QByteArray BodyColors(const GeneralSettings& general);

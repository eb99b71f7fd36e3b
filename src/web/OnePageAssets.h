#pragma once

#include <string_view>

// The fixed parts of index.html, the one-page chart browser: ASCII text with LF line ends,
// which the page writer turns into CR LF.

// The style sheet. The reader's light or dark scheme picks the colours; an <html> element of
// class "own" takes the user's own from its --bg and --fg properties instead. Below 700 pixels
// of width the list fills the window and the chart frame is hidden.
extern const std::string_view OnePageStyle;

// What changes with scripts off: the plain list of links stands in for the filter and the
// list, and the chart frame stays shown at any width.
extern const std::string_view OnePageNoScriptStyle;

// Builds the list from the page's data block (id "stocks") and runs the filter, the keyboard
// and the opening of charts, and keeps the last site and filter in the browser's storage.
extern const std::string_view OnePageScript;

#pragma once

#include <string_view>

// The fixed parts of index.html, the one-page chart browser: the files in onepage/, built in
// byte for byte (see CMakeLists.txt). ASCII text with LF line ends, which the page writer turns
// into CR LF; the files hold no comments, as every byte reaches the page.

// The style sheet (onepage.css). The reader's light or dark scheme picks the colours; an <html>
// element of class "own" takes the user's own from its --bg and --fg properties instead. Both
// schemes keep text at 7:1 or more against its background and the highlight and the control
// borders at 4.5:1 or more. Below 700 pixels of width the list fills the window and the chart
// frame is hidden.
extern const std::string_view OnePageStyle;

// What changes with scripts off (noscript.css): the plain list of links stands in for the
// filter and the list, and the chart frame stays shown at any width.
extern const std::string_view OnePageNoScriptStyle;

// Builds the list from the page's data block (id "stocks") and runs the filter, the keyboard
// and the opening of charts, and keeps the last site and filter in the browser's storage
// (onepage.js).
// The data block holds {"sites": [...], "types": [[name, [stock, ...]], ...]}. A site, in
// the order of the site drop-down: {"target": its link target, "from": whose symbols it links
// (-1 the stocks' own, 0 to 3 a built-in site's alternates), "pieces": the fixed parts of its
// chart address, escaped as in an href, "slots": for each gap between two pieces, how the
// symbol goes in: "l" lower case, "u" upper case, "d" "." and "/" as "-", "%" percent-encoded,
// in that order of application}. A stock: [symbol, description, then the alternate symbols of
// the four built-in sites, with empty ones at the end left off].
extern const std::string_view OnePageScript;

#include "web/OnePageAssets.h"

// Both schemes keep text at 7:1 or more against its background and the highlight and the
// control borders at 4.5:1 or more.
const std::string_view OnePageStyle = R"css(:root {
  color-scheme: light dark;
  --bg: #ffffff; --fg: #1b1b1b; --muted: #555555; --line: #767676;
  --hl-bg: #0b57d0; --hl-fg: #ffffff; --hover: #e8eefb;
}
@media (prefers-color-scheme: dark) {
  :root {
    --bg: #121212; --fg: #e6e6e6; --muted: #b4b4b4; --line: #8c8c8c;
    --hl-bg: #8ab4f8; --hl-fg: #000000; --hover: #26303f;
  }
}
html.own {
  color-scheme: normal;
  --muted: var(--fg); --line: var(--fg); --hl-bg: var(--fg); --hl-fg: var(--bg);
  --hover: transparent;
}
html, body { height: 100%; margin: 0; }
body {
  display: flex; background: var(--bg); color: var(--fg);
  font: 15px/1.4 system-ui, sans-serif;
}
[hidden] { display: none !important; }
a { color: inherit; }
:focus-visible { outline: 2px solid var(--hl-bg); outline-offset: -2px; }
#side {
  display: flex; flex-direction: column; min-width: 0;
  width: clamp(16rem, 30%, 26rem); border-right: 1px solid var(--line);
}
#tools { display: flex; flex-wrap: wrap; align-items: center; gap: 0.4rem; padding: 0.5rem; }
#filter, #site {
  font: inherit; color: var(--fg); background: var(--bg);
  border: 1px solid var(--line); border-radius: 3px; padding: 0.2rem 0.4rem;
}
#filter { flex: 1 1 100%; box-sizing: border-box; }
#site { flex: 1; min-width: 0; }
#count { flex: 1 1 100%; color: var(--muted); font-size: 0.9em; }
#list { flex: 1; overflow: auto; padding-bottom: 0.5rem; }
.type { font-weight: bold; padding: 0.4rem 0.5rem 0.1rem; cursor: pointer; user-select: none; }
.type::before { content: "\25BE\A0"; }
.folded > .type::before { content: "\25B8\A0"; }
.folded > [role=option] { display: none; }
[role=option] { padding: 0.1rem 0.5rem 0.1rem 1.5rem; cursor: pointer; }
[role=option]:hover { background: var(--hover); }
[role=option][aria-selected=true] { background: var(--hl-bg); color: var(--hl-fg); }
#list:focus-visible [aria-selected=true] { outline: 2px dotted var(--hl-fg); outline-offset: -3px; }
#custom { padding: 0.5rem; border-top: 1px solid var(--line); }
#custom:empty, #custom hr { display: none; }
#chart { flex: 1; min-width: 0; border: 0; }
.unseen {
  position: absolute; width: 1px; height: 1px; overflow: hidden;
  clip-path: inset(50%); white-space: nowrap;
}
#side > noscript { display: block; flex: 1; overflow: auto; padding: 0 0.5rem 0.5rem; }
noscript h2 { font-size: 1em; margin: 0.6rem 0 0.2rem; }
noscript ul { list-style: none; margin: 0; padding-left: 1rem; }
@media (max-width: 699.98px) {
  #side { flex: 1; width: auto; border-right: 0; }
  #chart { display: none; }
}
)css";

const std::string_view OnePageNoScriptStyle = R"css(#tools, #list { display: none; }
@media (max-width: 699.98px) {
  body { flex-direction: column; }
  #side { border-bottom: 1px solid var(--line); }
  #chart { display: block; flex: 1; }
}
)css";

// Hostile texts in every stored text that reaches a page: type names, symbols and alternates,
// descriptions, home pages, custom links and template site names. The same list with plain
// texts gives the page skeleton. In the browser's DOM: every link's scheme is a web one, no
// element or attribute is beyond the skeleton's, each text reads as stored (a control
// character as a blank), and index.html opens each stock's chart at the very address its
// navigation page links.
import { execFileSync } from "node:child_process";
import { mkdirSync, writeFileSync } from "node:fs";
import { join } from "node:path";
import { pathToFileURL } from "node:url";

const corpus = [
  "<b>bold</b><script>alert(1)</script>",
  "<img src=x onerror=alert(1)>",
  "\"quoted\" 'single' `back` </td></table><!--",
  "&amp;B &lt;i&gt; &#60;i&#62; &copy &nbsp",
  "javascript:alert(1)",
  " JaVaScRiPt:alert(1)",
  "javascript&#58;alert(1)",
  "&#106;avascript:alert(1)",
  "javascript&colon;alert(1)",
  "java&#x09;script:alert(1)",
  "&#32;javascript:alert(1)",
  "&#x0A;data:text/html,<script>alert(1)</script>",
  "vbscript&#x3A;msgbox(1)",
  "jav&Tab;ascript:alert(1)",
  "java\tscript:alert(1)",
  "\x01\x1fjavascript&#0000058alert(1)",
  "data:text/html;base64,PHNjcmlwdD5hbGVydCgxKTwvc2NyaXB0Pg==",
  "\u202eright\u202c-to-left \u200f\u05d0\u200e \u{1F4C8} e\u0301",
  "A&T #1+2 %",
  "A&amp;B",
  "tab\tline\nreturn\r\x00nul\x7f",
  "&fjlig;ile:///etc/passwd",
];
const at = (k) => corpus[k % corpus.length];
const builtIn = [
  { name: "BigCharts", page: "Bigcharts", file: "bigcharts", alt: "Alt_BC" },
  { name: "StockMaster", file: "stockmaster", alt: "Alt_SM" },
  { name: "StockPoint", file: "stockpoint", alt: "Alt_SP" },
  { name: "Yahoo", file: "yahoo", alt: "Alt_YH" },
];
// Templates whose fixed pieces hold character references, before the symbol and at the end.
const templates = ["https://t0.example/c/{symbol}?a=1&amp;b=&#58;&lt;&copy",
  "https://t1.example/?q=&{symbol|lower}&x=&amp", "https://t2.example/{symbol|dash}/&#x26;"];
const alternates = ["Alt_BC", "Alt_SM", "Alt_SP", "Alt_YH"];

// The list and its settings, with the corpus or, for the skeleton, with plain texts.
function settings(pages, text) {
  const sites = builtIn.concat([0, 6, 11, 17, 20].map((k, i) => ({
    name: text(k).slice(0, 40), file: `h${i}`, alt: alternates[i % 4], template: templates[i % 3] })));
  const types = Array.from({ length: 7 }, (_, t) => ({ name: text(5 * t + 4), stocks: [0, 1, 2].map((s) => {
    const i = 3 * t + s;
    const stock = { Stock: text(i), Description: text(i + 1), URL: text(i + 2) };
    if (i % 3 === 0) alternates.forEach((key, a) => { stock[key] = text(i + 3 + a); });
    return stock;
  }) }));
  const custom = [[1, text(8), text(18)], [2, text(3), text(6)]];
  // Every UTF-16 unit escaped, so that any text reaches the program as it stands.
  const quoted = (value) => `"${Array.from({ length: value.length },
    (_, i) => `\\x${value.charCodeAt(i).toString(16).padStart(4, "0")}`).join("")}"`;
  const lines = ["[General]", `HtmlDir=${pages}/`, "OnePage=True", "UseBrowserColors=True"];
  for (const site of builtIn) lines.push(`${site.name}_enable=True`);
  for (const site of builtIn) lines.push(`[${site.name}]`, "Display=1");
  lines.push("[ChartSites]", `Count=${sites.length - builtIn.length}`);
  sites.filter((site) => site.template).forEach((site, i) => lines.push(`[ChartSite${i + 1}]`,
    `Name=${quoted(site.name)}`, `Template=${quoted(site.template)}`, `SymbolsFrom=${i % 4}`, "Display=1",
    "Enabled=True", `FileName=${site.file}`));
  lines.push("[Custom]");
  custom.forEach(([action, desc, url], n) => lines.push(`CustomURLAction${n}=${action}`,
    `CustomDesc${n}=${quoted(desc)}`, `CustomURL${n}=${quoted(url)}`));
  const stocks = types.flatMap((type) => type.stocks);
  lines.push("[StockList]", `Maxtypes=${types.length - 1}`, `Maxstocks=${stocks.length - 1}`);
  types.forEach((type, t) => lines.push(`Type${t}=${quoted(type.name)}`, `Lowstock${t}=${3 * t}`,
    `Histock${t}=${3 * t + 2}`));
  stocks.forEach((stock, i) => Object.entries(stock).forEach(([key, value]) => lines.push(`${key}${i}=${quoted(value)}`)));
  return { text: lines.join("\n") + "\n", sites, types, custom };
}

function generate(program, folder, text) {
  mkdirSync(folder, { recursive: true });
  const store = join(folder, "Tickvane.ini");
  const made = settings(join(folder, "pages"), text);
  writeFileSync(store, made.text);
  execFileSync(program, ["--settings", store, "--generate"], { stdio: ["ignore", "ignore", "inherit"] });
  return { ...made, pages: join(folder, "pages") };
}

// What a page shows of a stored text.
const shown = (text) => text.replace(/[\x00-\x1f]/g, " ");

// The page's elements and attributes, every link's scheme and address, and its texts.
function readPage() {
  const nodes = [...document.querySelectorAll("*")];
  return {
    shape: [...new Set(nodes.flatMap((e) => [e.localName, ...[...e.attributes].map((a) => `${e.localName}@${a.name}`)]))],
    protocols: [...new Set([...document.querySelectorAll("a[href]")].map((a) => a.protocol))],
    title: document.querySelector("title").textContent,
    options: [...document.querySelectorAll("option")].map((o) => o.textContent),
    // The custom links: index.html has them in a block of their own.
    custom: (document.querySelector("#custom") ?? document.body).textContent,
    // Navigation pages: each type's heading and, for each stock, its chart link and the rest
    // of its row; index.html: each type's label and each stock's symbol.
    headings: [...document.querySelectorAll("tr:first-child > td, .type span")].map((e) => e.textContent),
    charts: [...document.querySelectorAll("td > a:first-child")].map((a) => [a.textContent, a.getAttribute("href")]),
    rests: [...document.querySelectorAll("td > font")].map((f) => f.textContent),
    symbols: [...document.querySelectorAll("[role=option] b")].map((b) => b.textContent),
    links: [...document.querySelectorAll("a")].map((a) => a.textContent),
  };
}

// Every stock clicked in index.html for each site, as the address it opens.
function openAll(files) {
  const select = document.querySelector("#site");
  return files.map((file) => {
    select.value = file;
    select.dispatchEvent(new Event("change"));
    window.opened = [];
    for (const row of document.querySelectorAll("[role=option]")) row.click();
    return window.opened.map((call) => call[0]);
  });
}

async function read(page, pages, file) {
  await page.goto(pathToFileURL(join(pages, file)).href, { waitUntil: "load" });
  return page.evaluate(readPage);
}

export async function checkHostileTexts(browser, { program, workDir, check }) {
  const hostile = generate(program, join(workDir, "hostile"), at);
  const plain = generate(program, join(workDir, "plain"), (k) => `Text${k % corpus.length}`);
  const page = await browser.newPage();
  await page.setViewport({ width: 1200, height: 700 });
  await page.evaluateOnNewDocument(() => {
    window.opened = [];
    window.open = (...call) => { window.opened.push(call); return null; };
  });
  const allowed = new Set(["http:", "https:", "ftp:", "mailto:", "file:"]);
  const stocks = hostile.types.flatMap((type) => type.stocks);
  const customs = hostile.custom.map(([, desc]) => shown(desc));
  try {
    const navigation = {};
    for (const file of ["index.html", ...hostile.sites.map((site) => `${site.file}.html`)]) {
      const [seen, skeleton] = [await read(page, hostile.pages, file), await read(page, plain.pages, file)];
      const extra = seen.shape.filter((name) => !skeleton.shape.includes(name));
      check(extra.length === 0, `hostile ${file}: elements and attributes beyond the skeleton: ${extra}`);
      const schemes = seen.protocols.filter((protocol) => !allowed.has(protocol));
      check(schemes.length === 0, `hostile ${file}: links with the schemes ${schemes}`);
      const site = hostile.sites.find((s) => `${s.file}.html` === file);
      if (!site) {
        check(JSON.stringify(seen.headings) === JSON.stringify(hostile.types.map((type) => type.name)) &&
          JSON.stringify(seen.symbols) === JSON.stringify(stocks.map((stock) => stock.Stock)) &&
          JSON.stringify(seen.options) === JSON.stringify(hostile.sites.map((s) => shown(s.name))) &&
          customs.every((desc) => seen.custom.includes(`\n${desc}\n`)),
          "hostile index.html: the types, symbols, sites and custom links read as stored");
        continue;
      }
      navigation[site.file] = seen.charts.map(([, href]) => href);
      check(seen.title === `Stock charts from ${shown(site.page ?? site.name)}`,
        `hostile ${file}: the title reads ${JSON.stringify(seen.title)}`);
      check(JSON.stringify(seen.headings.map((h) => h.replace(/^\n/, ""))) ===
        JSON.stringify(hostile.types.map((type) => shown(type.name))), `hostile ${file}: the types read as stored`);
      const symbols = stocks.map((stock) => shown((site.alt && stock[site.alt]) || stock.Stock));
      check(JSON.stringify(seen.charts.map(([text]) => text.replace(/^\n/, ""))) === JSON.stringify(symbols),
        `hostile ${file}: the symbols read as stored`);
      const rests = stocks.map((stock) => ` ${shown(stock.Description)}`);
      check(JSON.stringify(seen.rests) === JSON.stringify(rests), `hostile ${file}: the descriptions read as stored`);
      check(customs.every((desc) => seen.custom.includes(`\n${desc}\n`)), `hostile ${file}: the custom links read as stored`);
      const others = hostile.sites.filter((s) => s !== site).map((s) => shown(s.name));
      check(others.every((name) => seen.links.includes(name)), `hostile ${file}: the other sites' names read as stored`);
    }
    await page.goto(pathToFileURL(join(hostile.pages, "index.html")).href, { waitUntil: "load" });
    const files = hostile.sites.map((site) => site.file);
    const opened = await page.evaluate(openAll, files);
    files.forEach((file, n) => {
      const differ = opened[n].filter((address, i) => address !== navigation[file][i]);
      check(opened[n].length === stocks.length && differ.length === 0,
        `hostile ${file}: index.html opens what the navigation page links, not ${differ.slice(0, 3)}`);
    });
  } finally {
    await page.close();
  }
}

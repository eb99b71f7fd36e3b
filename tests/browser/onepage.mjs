// The one-page chart browser, index.html: a suite of check_pages.mjs, run in every browser it
// drives. Generates two page sets with the real program: a small list with three sites that
// open their charts in the three ways, and a full list of 1000 stocks in the user's own colours.
import { execFileSync } from "node:child_process";
import { mkdirSync, writeFileSync } from "node:fs";
import { join } from "node:path";
import { pathToFileURL } from "node:url";

// In the order of the drop-down. Display 0 opens in the chart frame, 1 in the window "new",
// 2 in a new tab.
const sites = [
  { file: "bigcharts", display: 0, target: "right" },
  { file: "yahoo", display: 1, target: "new" },
  { file: "tabs", display: 2, target: "_blank", template: "https://www.example.net/s/{symbol|dash|lower}/" },
];
const types = [
  ["Market Indices", [
    { Stock: "DJIA", Description: "Dow Jones Industrials", Alt_BC: "$INDU", Alt_YH: "^DJI" },
    { Stock: "COMP", Description: "NASDAQ Composite" },
  ]],
  ["Européennes", [
    { Stock: "GLE.PA", Description: "Société Générale" },
    // Characters that an href cannot hold as they stand, a dot and a slash.
    // ... and an exchange that Yahoo and Tabs have a symbol form for.
    { Stock: 'SAP"É/1', Description: "SAP SE, Walldorf", Exchange: "XETR" },
  ]],
  ["Japan", [{ Stock: "7203", Description: "トヨタ自動車 Toyota", Alt_YH: "7203.T" }]],
  ["Nothing yet", []],
  ["Funds", [{ Stock: "FMAGX", Description: "Fidelity Magellan" }]],
];
const stockCount = (list) => list.reduce((n, [, stocks]) => n + stocks.length, 0);

// What the filter must leave, as the symbols of the rows and the types shown.
const filters = [
  { text: "magellan", symbols: ["FMAGX"], types: ["Funds"], why: "a word of a description, in another case" },
  { text: "ト", symbols: ["7203"], types: ["Japan"], why: "a letter outside ASCII" },
  { text: "GENERALE", symbols: ["GLE.PA"], types: ["Européennes"], why: "a description without its accents" },
  { text: "européennes", symbols: ["GLE.PA", 'SAP"É/1'], types: ["Européennes"], why: "a type" },
  { text: "dj", symbols: ["DJIA"], types: ["Market Indices"], why: "a symbol" },
  { text: "zzz", symbols: [], types: [], why: "nothing" },
];

function storeText(pages, list, extra) {
  const quoted = (value) => `"${value.replaceAll("\\", "\\\\").replaceAll('"', '\\"')}"`;
  const lines = ["[General]", `HtmlDir=${pages}/`, "OnePage=True", "StartPage=yahoo",
    "StockMaster_enable=False", "StockPoint_enable=False", ...extra,
    "[Yahoo]", "Display=1", "[Custom]", "CustomURLAction0=1", "CustomDesc0=News",
    "CustomURL0=https://news.example.org/today", "[ChartSites]", "Count=1", "[ChartSite1]",
    "Name=Tabs", `Template=${sites[2].template}`, "SymbolsFrom=-1", "Display=2", "Enabled=True",
    "FileName=tabs", "SymbolForms=XETR=XETR:{symbol}", "[StockList]", `Maxtypes=${list.length - 1}`, `Maxstocks=${stockCount(list) - 1}`];
  let next = 0;
  list.forEach(([name, stocks], t) => {
    lines.push(`Type${t}=${quoted(name)}`, `Lowstock${t}=${next}`, `Histock${t}=${next + stocks.length - 1}`);
    for (const stock of stocks) {
      for (const [key, value] of Object.entries(stock)) lines.push(`${key}${next}=${quoted(value)}`);
      next += 1;
    }
  });
  return lines.join("\n") + "\n";
}

function generate(program, folder, list, extra = []) {
  mkdirSync(folder, { recursive: true });
  const store = join(folder, "Tickvane.ini");
  writeFileSync(store, storeText(join(folder, "pages"), list, extra));
  execFileSync(program, ["--settings", store, "--generate"], { stdio: ["ignore", "ignore", "inherit"] });
  return join(folder, "pages");
}

// Every chart link of a site's navigation page, as [target, href] in list order.
async function navigationLinks(page, pages, site) {
  await page.goto(pathToFileURL(join(pages, `${site.file}.html`)).href);
  return page.$$eval("tr a", (links) => links.filter((a) => a.closest("td").firstElementChild === a)
    .map((a) => [a.getAttribute("target"), a.getAttribute("href")]));
}

// Opens index.html with nothing remembered, window.open recorded instead of opening anything.
async function openFresh(page, pages) {
  await page.goto(pathToFileURL(join(pages, "index.html")).href);
  await page.evaluate(() => localStorage.clear());
  await page.reload();
}

const shownRows = (page) => page.$$eval("[role=option]", (rows) =>
  rows.filter((row) => row.offsetParent !== null).map((row) => row.dataset.symbol));
const shownTypes = (page) => page.$$eval(".type", (types) =>
  types.filter((type) => type.offsetParent !== null).map((type) => type.textContent));
const countText = (page) => page.$eval("#count", (count) => count.textContent);
const opened = (page) => page.evaluate(() => window.opened.at(-1) ?? null);
const chartSource = (page) => page.$eval("#chart", (frame) => frame.getAttribute("src"));
const chartAddress = async (page) => (await (await page.$("#chart")).contentFrame()).url();
const same = (a, b) => JSON.stringify(a) === JSON.stringify(b);

// Whether the condition comes true within five seconds.
async function eventually(condition) {
  for (const end = Date.now() + 5000; Date.now() <= end; await new Promise((r) => setTimeout(r, 25))) {
    if (await condition()) return true;
  }
  return false;
}

async function filterTo(page, text) {
  await page.$eval("#filter", (filter) => {
    filter.value = "";
    filter.dispatchEvent(new Event("input"));
  });
  await page.focus("#filter");
  await page.keyboard.type(text);
}

async function checkStructure(page, check) {
  const shape = await page.evaluate(() => ({
    sites: Array.from(document.querySelectorAll("#site option"), (option) => option.value),
    chosen: document.querySelector("#site").value,
    listbox: document.querySelector("#list").getAttribute("role"),
    labels: ["filter", "site"].every((id) => document.querySelector(`label[for=${id}]`)),
    placeholder: document.querySelector("#filter").placeholder,
    custom: Array.from(document.querySelectorAll("#custom a"), (a) => a.target),
  }));
  check(same(shape.sites, sites.map((site) => site.file)), `one page: the sites offered are ${shape.sites}`);
  check(shape.chosen === "yahoo", `one page: the start page's site is chosen first, not ${shape.chosen}`);
  check(shape.listbox === "listbox" && shape.labels && shape.placeholder === "Filter",
    "one page: a labelled filter and drop-down and a listbox");
  const frame = await chartAddress(page);
  check(frame.endsWith("/blank.html"), `one page: the chart frame starts with blank.html, not ${frame}`);
  check(same(shape.custom, ["right"]), "one page: the custom link is there");
  const symbols = types.flatMap(([, stocks]) => stocks.map((stock) => stock.Stock));
  check(same(await shownRows(page), symbols), "one page: every stock is a row with its symbol");
  check(await countText(page) === "6 of 6 stocks", `one page: "${await countText(page)}"`);
}

async function checkFilter(page, check) {
  for (const filter of filters) {
    await filterTo(page, filter.text);
    const rows = await shownRows(page);
    check(same(rows, filter.symbols), `one page: filtering by ${filter.why} shows ${rows}`);
    const shown = await shownTypes(page);
    check(same(shown, filter.types), `one page: filtering by ${filter.why} shows the types ${shown}`);
    const count = await countText(page);
    check(count === `${filter.symbols.length} of 6 stocks`, `one page: filtering by ${filter.why} says "${count}"`);
  }
  await page.keyboard.press("Escape");
  check((await shownRows(page)).length === 6 && await page.$eval("#filter", (f) => f.value) === "",
    "one page: Escape clears the filter");
  await page.$eval("#filter", (filter) => filter.blur());
  await page.keyboard.press("/");
  check(await page.evaluate(() => document.activeElement.id) === "filter", "one page: / goes to the filter");
}

// A type folds and unfolds from the keyboard, and its heading says which.
async function checkFolding(page, check) {
  const expanded = () => page.$eval(".type", (heading) => heading.getAttribute("aria-expanded"));
  await page.focus(".type");
  await page.keyboard.press("Enter");
  const rows = await shownRows(page);
  check(rows.length === 6 - types[0][1].length && await expanded() === "false",
    `one page: Enter on a type's heading folds it, leaving ${rows}`);
  await page.keyboard.press(" ");
  check((await shownRows(page)).length === 6 && await expanded() === "true",
    "one page: Space on a folded type's heading unfolds it");
}

// For each site: the address the page opens for a stock is the one its navigation page links,
// opened where the site's Display says.
async function checkOpening(page, pages, check, requests) {
  const links = {};
  for (const site of sites) links[site.file] = await navigationLinks(page, pages, site);
  await openFresh(page, pages);
  for (const site of sites) {
    await page.select("#site", site.file);
    await filterTo(page, "");
    for (const key of [...Array(6).fill("ArrowUp"), "ArrowDown", "ArrowUp"]) {
      await page.keyboard.press(key);
    }
    const selected = await page.$$eval("[aria-selected=true]", (rows) => rows.map((row) => row.dataset.symbol));
    check(same(selected, ["DJIA"]), `${site.file}: ArrowUp to the top, ArrowDown and ArrowUp highlight DJIA, not ${selected}`);
    // DJIA has alternate symbols, the fourth stock a symbol to encode and symbol forms.
    for (const [moves, n] of [[0, 0], [3, 3], [-3, 0]]) {
      for (let k = 0; k < Math.abs(moves); k += 1) await page.keyboard.press(moves > 0 ? "ArrowDown" : "ArrowUp");
      await page.keyboard.press("Enter");
      const [target, href] = links[site.file][n];
      check(target === site.target, `${site.file}: its navigation page targets ${target}`);
      if (site.display === 0) {
        check(await chartSource(page) === href, `${site.file}: Enter opens ${href} in the chart frame`);
        const asked = await eventually(async () => requests.includes(new URL(href).href));
        check(asked, `${site.file}: the chart frame asks for ${href}` +
          (asked ? "" : ` (it shows ${await chartAddress(page)}; last asked for ${requests.at(-1)})`));
      } else {
        const call = await opened(page);
        check(same(call, [href, site.target]), `${site.file}: Enter calls window.open(${href}, ${site.target}), not ${call}`);
      }
    }
  }
  await page.select("#site", "yahoo");
  check(same(await opened(page), links.yahoo[0].slice(1).concat("new")), "one page: a new site opens the current stock again");
  await page.click('[data-symbol="GLE.PA"]');
  check(same(await opened(page), [links.yahoo[2][1], "new"]), "one page: a click opens the stock's chart");
  for (const key of ["/", "Tab", "ArrowDown"]) await page.keyboard.press(key);
  check(same(await opened(page), [links.tabs[2][1], "_blank"]),
    "one page: the next site, chosen by keyboard from the filter, opens the current stock");
  await filterTo(page, "gle");
  await page.reload();
  const kept = await page.evaluate(() => [document.querySelector("#site").value, document.querySelector("#filter").value]);
  check(same(kept, ["tabs", "gle"]) && same(await shownRows(page), ["GLE.PA"]),
    `one page: the site and the filter are kept, not ${kept}`);
  await page.setViewport({ width: 600, height: 700 });
  await filterTo(page, "");
  await page.select("#site", "bigcharts");
  await page.click('[data-symbol="DJIA"]');
  check(same(await opened(page), [links.bigcharts[0][1], "_blank"]), "one page: below 700 pixels a chart opens in a new tab");
  check(await page.$eval("#chart", (frame) => getComputedStyle(frame).display) === "none", "one page: below 700 pixels the list fills the window");
  await page.setViewport({ width: 1200, height: 700 });
}

function contrast(a, b) {
  const luminance = (colour) => {
    const [r, g, b] = colour.match(/[\d.]+/g).slice(0, 3).map((c) => {
      const v = Number(c) / 255;
      return v <= 0.03928 ? v / 12.92 : ((v + 0.055) / 1.055) ** 2.4;
    });
    return 0.2126 * r + 0.7152 * g + 0.0722 * b;
  };
  const [light, dark] = [luminance(a), luminance(b)].sort((x, y) => y - x);
  return (light + 0.05) / (dark + 0.05);
}

// index.html inside a frame with the given attributes, which the engines agree on: the
// frame's color-scheme is the reader's scheme inside, and a sandbox without scripts turns
// them off. Returns the frame.
async function framed(page, pages, attributes) {
  const holder = join(pages, "framed.html");
  writeFileSync(holder, `<!DOCTYPE html><iframe ${attributes} src="index.html"></iframe>`);
  await page.goto(pathToFileURL(holder).href);
  return (await page.$("iframe")).contentFrame();
}

async function checkSchemes(page, pages, check) {
  for (const scheme of ["light", "dark"]) {
    const frame = await framed(page, pages, `style="color-scheme: only ${scheme}"`);
    const c = await frame.evaluate(() => {
      document.querySelector("#filter").dispatchEvent(new KeyboardEvent("keydown", { key: "ArrowDown", bubbles: true }));
      const style = (selector) => getComputedStyle(document.querySelector(selector));
      return { back: style("body").backgroundColor, text: style("body").color, count: style("#count").color,
        highlight: style("[aria-selected=true]").backgroundColor, highlighted: style("[aria-selected=true]").color };
    });
    const dark = contrast(c.back, "rgb(0, 0, 0)") < 2;
    check(dark === (scheme === "dark"), `one page: the ${scheme} scheme has the background ${c.back}`);
    for (const [what, ratio] of [["text", contrast(c.text, c.back)], ["count", contrast(c.count, c.back)],
      ["highlighted row", contrast(c.highlighted, c.highlight)]]) {
      check(ratio >= 4.5, `one page: ${scheme} ${what} contrast ${ratio.toFixed(2)} is at least 4.5`);
    }
  }
}

async function checkScriptsOff(page, pages, check, startLinks) {
  const frame = await framed(page, pages, 'sandbox="allow-same-origin"');
  const plain = await frame.$$eval("noscript a", (links) =>
    links.filter((a) => a.offsetParent !== null).map((a) => [a.getAttribute("target"), a.getAttribute("href")]));
  check(same(plain, startLinks), `one page: scripts off, every stock links its start page chart (${plain.length} links)`);
  check(await frame.$eval("#filter", (filter) => filter.offsetParent === null), "one page: scripts off, the filter is hidden");
}

// The full list in the user's colours; the filter's own time, the longest of several.
async function checkFullList(page, { engine, program, workDir, check }) {
  const full = Array.from({ length: 100 }, (_, t) => [`Type ${t}`, Array.from({ length: 10 }, (_, i) =>
    ({ Stock: `SYM${t * 10 + i}.B`, Description: `Company number ${t * 10 + i} Société` }))]);
  const pages = generate(program, join(workDir, "full"), full,
    ["UseBrowserColors=False", "BackColor=3158064", "TextColor=15790320"]);
  await openFresh(page, pages);
  const back = await page.$eval("body", (body) => getComputedStyle(body).backgroundColor);
  check(back === "rgb(48, 48, 48)", `one page: the user's own background colour, not ${back}`);
  const times = await page.evaluate(() => ["c", "company number 99", "societe", "SYM5", "zzz", ""].map((text) => {
    const filter = document.querySelector("#filter");
    const start = performance.now();
    filter.value = text;
    filter.dispatchEvent(new Event("input"));
    return performance.now() - start;
  }));
  const longest = Math.max(...times);
  check(longest <= 50, `one page: filtering 1000 stocks takes ${longest.toFixed(1)} ms of script time`);
  check(await countText(page) === "1000 of 1000 stocks", "one page: the full list is counted");
  console.log(`${engine}: one page: filtering 1000 stocks took at most ${longest.toFixed(1)} ms of script time`);
}

export async function checkOnePage(browser, suite) {
  const { program, workDir, check, requests } = suite;
  const pages = generate(program, join(workDir, "onepage"), types);
  const page = await browser.newPage();
  await page.setViewport({ width: 1200, height: 700 });
  await page.evaluateOnNewDocument(() => {
    window.opened = [];
    window.open = (...call) => { window.opened.push(call.slice(0, 2)); return null; };
  });
  try {
    const startLinks = await navigationLinks(page, pages, sites[1]);
    await openFresh(page, pages);
    await checkStructure(page, check);
    await checkFilter(page, check);
    await checkFolding(page, check);
    await checkOpening(page, pages, check, requests);
    await checkSchemes(page, pages, check);
    await checkScriptsOff(page, pages, check, startLinks);
    await checkFullList(page, suite);
  } finally {
    await page.close();
  }
}

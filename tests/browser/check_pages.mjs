// Generates a page set with the real program from a prepared settings file and opens every
// frameset page in headless Chromium. Every request for an http(s) address is intercepted and
// answered with a stub page, so nothing goes on the network and each request is recorded.
// Usage: node check_pages.mjs PATH/TO/tickvane
import { execFileSync } from "node:child_process";
import { mkdtempSync, rmSync, writeFileSync } from "node:fs";
import { tmpdir } from "node:os";
import { join } from "node:path";
import { pathToFileURL } from "node:url";
import puppeteer from "puppeteer-core";
import { checkOnePage } from "./onepage.mjs";

// Where the chart links open: "right" the chart frame, "new" one window every link reuses,
// "_blank" a new tab on every click. Template sites give the address their links must have.
const sites = [
  { name: "BigCharts", file: "bigcharts", alt: "Alt_BC", host: "https://bigcharts.marketwatch.com/", target: "right" },
  { name: "StockMaster", file: "stockmaster", alt: "Alt_SM", host: "https://www.stockmaster.com/", target: "right" },
  { name: "StockPoint", file: "stockpoint", alt: "Alt_SP", host: "https://www.stockpoint.com/", target: "right" },
  { name: "Yahoo", file: "yahoo", alt: "Alt_YH", host: "https://finance.yahoo.com/", target: "new" },
  { name: "Charts & Co", file: "charts-co", alt: "Alt_YH", host: "https://charts.example.com/", target: "new",
    template: "https://charts.example.com/q?t={symbol|dash}&x={{1}}",
    address: (symbol) => `https://charts.example.com/q?t=${encoded(symbol.replaceAll(/[./]/g, "-"))}&x={1}` },
  { name: "Tabs", file: "tabs", alt: null, host: "https://www.example.net/", target: "_blank",
    template: "https://www.example.net/stock/{symbol|lower}/",
    address: (symbol) => `https://www.example.net/stock/${encoded(symbol.toLowerCase())}/` },
];
const templateSites = sites.filter((site) => site.template);
const types = [
  { name: "Market Indices", stocks: [
    { Stock: "$INDU", Description: "Dow Jones Industrials", Alt_YH: "^DJI" },
    { Stock: "IBM", Description: "AT&T <Common> \"quoted\"", URL: "https://www.ibm.com/investor" },
    // A home page with a script: the description is written without a link.
    { Stock: "INTL", Description: "Intl", URL: "javascript:alert(document.domain)" },
  ] },
  { name: "Européennes «Tech» & Co", stocks: [
    { Stock: "SAP", Description: "SAP Société Européenne, Walldorf" },
    { Stock: "7203", Description: "トヨタ自動車 Toyota", Alt_BC: "TM", Alt_YH: "7203.T" },
  ] },
  { name: "Ŋothing here yet", stocks: [] },
];
const customRight = { desc: "Märkte heute", url: "https://news.example.org/markets?day=1&x=2" };
const customNew = { desc: "Forum (new window)", url: "https://forum.example.org/board" };

const failures = [];
let checks = 0;
function check(ok, what) {
  checks += 1;
  if (!ok) {
    failures.push(what);
    console.log(`FAIL: ${what}`);
  }
}

// A symbol as a template puts it into an address: everything but the unreserved characters
// of RFC 3986 percent-encoded as UTF-8.
function encoded(symbol) {
  return [...new TextEncoder().encode(symbol)].map((byte) => {
    const c = String.fromCharCode(byte);
    return /[A-Za-z0-9\-._~]/.test(c) ? c : `%${byte.toString(16).toUpperCase().padStart(2, "0")}`;
  }).join("");
}

function settingsFile(htmlDir) {
  const lines = ["[General]", `HtmlDir=${htmlDir}`, "UseBrowserColors=True", "NoLineWraps=False"];
  for (const site of sites.filter((s) => !s.template)) lines.push(`${site.name}_enable=True`);
  lines.push("", "[Yahoo]", "Display=1", "", "[ChartSites]", `Count=${templateSites.length}`);
  templateSites.forEach((site, i) => {
    lines.push("", `[ChartSite${i + 1}]`, `Name=${site.name}`, `Template=${site.template}`,
      `SymbolsFrom=${site.alt ? 3 : -1}`, `Display=${["right", "new", "_blank"].indexOf(site.target)}`,
      "Enabled=True", `FileName=${site.file}`);
  });
  lines.push("", "[Custom]",
    "CustomURLAction0=1", `CustomDesc0=${customRight.desc}`, `CustomURL0=${customRight.url}`,
    "CustomURLAction1=2", `CustomDesc1=${customNew.desc}`, `CustomURL1=${customNew.url}`);
  const stocks = types.flatMap((type) => type.stocks);
  lines.push("", "[StockList]", `Maxtypes=${types.length - 1}`, `Maxstocks=${stocks.length - 1}`);
  let next = 0;
  types.forEach((type, t) => {
    lines.push(`Type${t}=${type.name}`, `Lowstock${t}=${next}`, `Histock${t}=${next + type.stocks.length - 1}`);
    next += type.stocks.length;
  });
  stocks.forEach((stock, i) => {
    for (const [key, value] of Object.entries(stock)) {
      // Values are quoted, so that commas and quotes reach the program as they stand.
      lines.push(`${key}${i}="${value.replaceAll("\\", "\\\\").replaceAll('"', '\\"')}"`);
    }
  });
  return lines.join("\n") + "\n";
}

const symbolAt = (stock, site) => (site.alt && stock[site.alt]) || stock.Stock;
// The address as the browser requests it (characters such as "^" may be escaped).
const asRequested = (href) => new URL(href).href;

async function waitFor(condition, what, ms = 5000) {
  const end = Date.now() + ms;
  for (;;) {
    if (await condition()) return true;
    if (Date.now() > end) {
      check(false, what);
      return false;
    }
    await new Promise((resolve) => setTimeout(resolve, 25));
  }
}

async function frameNamed(page, name) {
  const handle = await page.$(`frame[name="${name}"]`);
  return handle ? handle.contentFrame() : null;
}

// Clicks the link in the left frame whose href and target are given, and waits until the
// address was requested and shown where the target says.
async function followLink(page, site, href, target, requests) {
  const left = await frameNamed(page, "left");
  const links = await left.$$("a");
  let link = null;
  for (const candidate of links) {
    // The home-page anchor is closed by its font element, so the parser repeats it around
    // the following line break; the user clicks the first one, which holds the text.
    const [h, t, text] = await candidate.evaluate((a) =>
      [a.getAttribute("href"), a.getAttribute("target"), a.textContent.trim()]);
    if (h === href && t === target && text && !link) link = candidate;
  }
  check(link !== null, `${site.name}: a link to ${href} with target "${target}"`);
  if (!link) return;
  requests.length = 0;
  const windowed = target === "new" || target === "_blank";
  const popup = windowed ? new Promise((resolve) => page.once("popup", resolve)) : null;
  try {
    await link.click();
  } catch (error) {
    check(false, `${site.name}: the link to ${href} can be clicked (${error.message})`);
    return;
  }
  if (href.startsWith("http")) {
    await waitFor(() => requests.includes(asRequested(href)), `${site.name}: clicking ${href} requests it`);
  }
  if (target === "right") {
    await waitFor(async () => (await frameNamed(page, "right"))?.url() === asRequested(href),
      `${site.name}: ${href} opens in the right-hand frame`);
  } else if (windowed) {
    const opened = await Promise.race([popup, new Promise((r) => setTimeout(r, 5000))]);
    check(opened !== undefined, `${site.name}: ${href} opens a new window`);
    if (opened) {
      await waitFor(() => opened.url() === asRequested(href), `${site.name}: the new window shows ${href}`);
      const name = target === "new" ? "new" : "";
      check(await opened.evaluate(() => window.name) === name, `${site.name}: the window is named "${name}"`);
      await opened.close();
    }
    check(page.url().endsWith(`/${site.file}.frame.html`), `${site.name}: the frameset stays after a "${target}" link`);
  } else if (target === "_top") {
    await waitFor(() => page.url().endsWith(`/${href}`), `${site.name}: ${href} replaces the whole frameset`);
    await waitFor(async () => (await frameNamed(page, "left"))?.url().endsWith(href.replace(".frame", "")),
      `${site.name}: ${href} brings its own navigation frame`);
  }
}

async function checkSite(page, pages, site, requests) {
  const frameset = pathToFileURL(join(pages, `${site.file}.frame.html`)).href;
  const open = async () => {
    await page.goto(frameset, { waitUntil: "load" });
    return frameNamed(page, "left");
  };
  const left = await open();
  check(left !== null && left.url().endsWith(`/${site.file}.html`), `${site.name}: the left frame holds ${site.file}.html`);
  check((await frameNamed(page, "right"))?.url().endsWith("/blank.html"), `${site.name}: the right frame starts blank`);
  const text = await left.evaluate(() => document.body.innerText);
  let at = -1;
  for (const type of types) {
    const found = text.indexOf(type.name, at + 1);
    check(found > at, `${site.name}: type "${type.name}" is listed, in order`);
    at = Math.max(at, found);
    for (const stock of type.stocks) {
      check(text.includes(stock.Description), `${site.name}: "${stock.Description}" is shown as written`);
    }
  }
  const links = await left.$$eval("a", (as) => as.map((a) =>
    ({ text: a.textContent.trim(), href: a.getAttribute("href"), target: a.getAttribute("target") })));
  for (const link of links) {
    check(/^(https:|[a-z0-9-]+\.frame\.html$)/.test(link.href), `${site.name}: "${link.text}" links a web address or a frameset page, not ${link.href}`);
  }
  check(!links.some((link) => link.text === "Intl"), `${site.name}: "Intl" with a script for a home page is plain text`);
  const chartLinks = links.filter((link) => link.target === site.target);
  for (const stock of types.flatMap((type) => type.stocks)) {
    const symbol = symbolAt(stock, site);
    const link = chartLinks.find((l) => l.text === symbol &&
      (site.address ? l.href === site.address(symbol) : l.href.startsWith(site.host)));
    check(link !== undefined, `${site.name}: stock ${symbol} has a chart link with target "${site.target}"`);
    if (link) {
      await followLink(page, site, link.href, site.target, requests);
    }
    if (stock.URL?.startsWith("http")) {
      await followLink(page, site, stock.URL, "right", requests);
    }
  }
  await followLink(page, site, customRight.url, "right", requests);
  await followLink(page, site, customNew.url, "new", requests);
  for (const other of sites.filter((s) => s !== site)) {
    await open();
    await followLink(page, site, `${other.file}.frame.html`, "_top", requests);
  }
}

async function main() {
  const program = process.argv[2];
  const work = mkdtempSync(join(tmpdir(), "tickvane-browser-"));
  const pages = join(work, "pages");
  let browser = null;
  try {
    const store = join(work, "Tickvane.ini");
    writeFileSync(store, settingsFile(pages + "/"));
    execFileSync(program, ["--settings", store, "--generate"], { stdio: ["ignore", "ignore", "inherit"] });
    browser = await puppeteer.launch({
      executablePath: process.env.CHROMIUM || "/usr/bin/chromium",
      headless: true,
      args: ["--no-sandbox", "--disable-gpu", "--disable-quic", "--no-first-run",
        "--disable-background-networking", "--disable-component-update", "--disable-sync",
        // Keeps the chart frame in the page's process, where its address can be read.
        "--disable-features=IsolateOrigins,site-per-process",
        `--user-data-dir=${join(work, "profile")}`],
    });
    // Intercepts at the browser, so requests of frames and new windows are all seen.
    const session = await browser.target().createCDPSession();
    const requests = [];
    session.on("Fetch.requestPaused", (event) => {
      requests.push(event.request.url);
      session.send("Fetch.fulfillRequest", {
        requestId: event.requestId, responseCode: 200,
        responseHeaders: [{ name: "Content-Type", value: "text/html" }],
        body: Buffer.from("<html><body>chart</body></html>").toString("base64"),
      }).catch(() => {});
    });
    await session.send("Fetch.enable", { patterns: [{ urlPattern: "http*" }] });
    const page = await browser.newPage();
    for (const site of sites) {
      await checkSite(page, pages, site, requests);
    }
    await checkOnePage(browser, { program, workDir: work, check });
  } catch (error) {
    failures.push(String(error));
    console.log(`FAIL: ${error.stack || error}`);
  } finally {
    if (browser) await browser.close();
    if (process.env.KEEP_PAGES) console.log(`pages kept in ${pages}`);
    else rmSync(work, { recursive: true, force: true });
  }
  if (failures.length > 0) {
    console.log(`browser test: FAILED, ${failures.length} of ${checks} checks failed`);
    process.exit(1);
  }
  console.log(`browser test: passed, ${checks} checks on ${sites.length} frameset pages`);
}

await main();

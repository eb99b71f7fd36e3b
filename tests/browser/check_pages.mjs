// Runs every module of checks in headless Chromium and then in headless Firefox ESR, each a
// fresh browser with a fresh profile, all driven by puppeteer-core. Neither goes on the
// network: every http(s) request goes to a stand-in web on the loopback (stub_web.mjs).
// Every failure is named after the browser it happened in.
//
// A module of checks exports one async function, listed in `suites` below and called once
// per browser as  await suite(browser, { engine, program, workDir, check, requests }):
//   browser   the puppeteer Browser; the module opens and closes its own pages
//   engine    "Chromium" or "Firefox ESR", for a module that must tell them apart
//   program   the path of the tickvane program that generates the pages
//   workDir   an empty directory of the module's own, removed afterwards
//   check     check(ok, what) counts one check and, when ok is false, reports what failed
//   requests  every http(s) address the browser asked for so far, in order, each answered
//             with a small page; the module may empty it (requests.length = 0)
// A module keeps to puppeteer calls that work over both CDP and WebDriver BiDi; a window opened
// from a frame is announced by the browser's "targetcreated", not by the page's "popup".
// Usage: node check_pages.mjs PATH/TO/tickvane
import { mkdtempSync, rmSync } from "node:fs";
import { tmpdir } from "node:os";
import { join } from "node:path";
import puppeteer from "puppeteer-core";
import { checkFramesets } from "./framesets.mjs";
import { checkHostileTexts } from "./hostile.mjs";
import { checkOnePage } from "./onepage.mjs";
import { startStubWeb } from "./stub_web.mjs";

const suites = [checkFramesets, checkOnePage, checkHostileTexts];

// How each browser is started, pointed at the stand-in web on the given port.
const engines = [
  {
    name: "Chromium",
    options: (port, profile) => ({
      executablePath: "/usr/bin/chromium",
      args: ["--no-sandbox", "--disable-gpu", "--no-first-run", `--proxy-server=http://127.0.0.1:${port}`,
        "--disable-background-networking", "--disable-component-update", "--disable-sync",
        // Keeps the chart frame in the page's process, where its address can be read.
        "--disable-features=IsolateOrigins,site-per-process",
        `--user-data-dir=${profile}`],
    }),
  },
  {
    name: "Firefox ESR",
    options: (port, profile) => ({
      browser: "firefox",
      executablePath: "/usr/bin/firefox-esr",
      userDataDir: profile,
      // Firefox fetches its remote lists at every start; a release build takes their server
      // from the profile only with this variable set.
      env: { ...process.env, MOZ_REMOTE_SETTINGS_DEVTOOLS: "1" },
      extraPrefsFirefox: {
        "network.proxy.type": 1,
        "network.proxy.http": "127.0.0.1",
        "network.proxy.http_port": port,
        "network.proxy.ssl": "127.0.0.1",
        "network.proxy.ssl_port": port,
        "services.settings.server": "data:,#no-settings-service/v1",
      },
    }),
  },
];

// Runs every suite in one browser; returns its count of checks, of failures and its time.
async function runIn(engine, program) {
  const started = Date.now();
  const tally = { name: engine.name, checks: 0, failed: 0 };
  const check = (ok, what) => {
    tally.checks += 1;
    if (ok) return;
    tally.failed += 1;
    console.log(`FAIL: ${engine.name}: ${what}`);
  };
  // A suite or a browser that throws fails one check.
  const fail = (error) => check(false, error.stack || String(error));
  const work = mkdtempSync(join(tmpdir(), "tickvane-browser-"));
  const web = await startStubWeb(work);
  let browser = null;
  try {
    browser = await puppeteer.launch({
      headless: true, acceptInsecureCerts: true, ...engine.options(web.port, join(work, "profile")),
    });
    for (const suite of suites) {
      const workDir = mkdtempSync(join(work, "suite-"));
      try {
        await suite(browser, { engine: engine.name, program, workDir, check, requests: web.requests });
      } catch (error) {
        fail(error);
      }
    }
  } catch (error) {
    fail(error);
  } finally {
    if (browser) await browser.close().catch(fail);
    web.close();
    if (process.env.KEEP_PAGES) console.log(`${engine.name}: pages kept in ${work}`);
    else rmSync(work, { recursive: true, force: true });
  }
  return { ...tally, seconds: Math.round((Date.now() - started) / 1000) };
}

const program = process.argv[2];
const tallies = [];
for (const engine of engines) tallies.push(await runIn(engine, program));
const failed = tallies.some((tally) => tally.failed > 0);
const counts = tallies.map((tally) =>
  `${tally.name} ${failed ? `${tally.failed} of ` : ""}${tally.checks} checks${failed ? " failed" : ""} (${tally.seconds} s)`);
console.log(`browser test: ${failed ? "FAILED" : "passed"}, ${counts.join(", ")}`);
process.exit(failed ? 1 : 0);

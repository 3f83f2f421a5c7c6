// The contestant's page in a real browser (Debian's chromium, headless,
// driven by playwright-core), opened from the disk: it judges a table of
// cases one after the other without reloading, and the report it offers for
// download must be the native evaluator's, byte for byte. No request may
// leave the page. Every check waits for the state it checks, never for a time.
// Usage: node browser_test.mjs BARVOTOK_HTML NATIVE_EVALUATOR
// With BARVOTOK_SCREENSHOT=FILE it also saves the page at 1280 x 800.
import { test, before, after } from "node:test";
import assert from "node:assert/strict";
import { execFileSync, spawnSync } from "node:child_process";
import fs from "node:fs";
import os from "node:os";
import path from "node:path";
import { pathToFileURL } from "node:url";
import { launchChromium } from "../visualise/launch_chromium.mjs";

const [pageFile, evaluator] = process.argv.slice(2);
const scratch = fs.mkdtempSync(path.join(os.tmpdir(), "barvotok-web-browser-"));
const pageUrl = pathToFileURL(path.resolve(pageFile)).href;
let context;

const INPUT = "Barvotok\n2\n\n1\n3 2 4\n1 1 2\n3 4 1\n\n2\n1 1 1\n1\n";
const submission = (sections, header = "123456\nBarvotok\n") => header + "\n" + sections;

// Each case: its files, the verdict the page shows, and the section the replay opens on.
const CASES = [
  { name: "passing", input: INPUT, submission: submission("1\n4\n2 3 4 1\n\n2\n0\n\n"), state: "Passed", rows: 2 },
  { name: "input fails", input: INPUT.replace("3 4 1", "3 0 1"), submission: submission("1\n4\n2 3 4 1\n"),
    state: "Failed", check: /^at check line \d+, line 7 of the test set$/, rows: 0 },
  { name: "header fails", input: INPUT, submission: submission("1\n0\n", "12345\nBarvotok\n"), state: "Failed",
    check: /^at check line \d+, line 1 of the submission$/, rows: 0 },
  { name: "CR LF lines", input: INPUT.replace(/\n/g, "\r\n"), submission: "123456\r\nBarvotok\r\n\r\n2\r\n0\r\n\r\n\r\n1\r\n4\r\n2 3 4 1\r\n",
    state: "Passed", rows: 2 },
  { name: "NUL bytes", input: INPUT, submission: submission("1\n4\n2 3 4 1\n", "123456\nBar\0votok\n"), state: "Failed", rows: 0 },
  { name: "bad move", input: INPUT, submission: submission("1\n2\n2 7\n"), state: "Failed", rows: 1, failing: 1 },
  { name: "unflooded grid", input: INPUT, submission: submission("2\n0\n\n\n1\n2\n2 3\n"), state: "Failed", rows: 2, failing: 2,
    unflooded: { x: 1, y: 1 } },
];

function nativeReport(input, submissionText, name) {
  const files = ["input.txt", "submission.txt", "report.txt"].map((file) => path.join(scratch, `${name}-${file}`));
  fs.writeFileSync(files[0], input, "latin1");
  fs.writeFileSync(files[1], submissionText, "latin1");
  execFileSync(evaluator, ["eval", ...files]);
  return { input: files[0], submission: files[1], report: fs.readFileSync(files[2]) };
}

async function open(url, viewport, browser = context) {
  const page = await browser.newPage();
  if (viewport) await page.setViewportSize(viewport);
  page.outsideRequests = [];
  page.errors = [];
  // The page itself and the worker it makes from a blob are its own; anything else left the page.
  page.on("request", (request) => {
    if (request.url() !== url && !request.url().startsWith("blob:")) page.outsideRequests.push(request.url());
  });
  page.on("pageerror", (error) => page.errors.push(error.message));
  await page.goto(url);
  return page;
}

// Chooses files (only those given) and waits for the page's verdict on them.
async function judge(page, files) {
  const before = await page.evaluate(() => window.barvotokPage.judged);
  if (files.input) await page.setInputFiles("#input", files.input);
  if (files.submission) await page.setInputFiles("#submission", files.submission);
  await page.waitForFunction((old) => window.barvotokPage.judged !== old && !window.barvotokPage.busy, before,
    { timeout: 60000 });
}

async function downloadedReport(page) {
  assert.equal(await page.getAttribute("#download-report", "download"), "report.txt");
  assert.match(await page.getAttribute("#download-report", "href"), /^blob:/);
  const [download] = await Promise.all([page.waitForEvent("download"), page.click("#download-report")]);
  return fs.readFileSync(await download.path());
}

before(async () => {
  context = await launchChromium({ width: 1280, height: 800 });
});

after(async () => {
  await context?.close();
  fs.rmSync(scratch, { recursive: true, force: true });
});

test("a table of cases, judged one after the other: the report's bytes are the evaluator's", async () => {
  const page = await open(pageUrl);
  for (const testCase of CASES) {
    const expected = nativeReport(testCase.input, testCase.submission, testCase.name.replace(/ /g, "-"));
    await judge(page, expected);
    const what = testCase.name;
    assert.ok((await downloadedReport(page)).equals(expected.report), `${what}: the downloaded report`);
    assert.equal(await page.textContent("#outcome-state"), testCase.state, `${what}: the verdict`);
    if (testCase.check) assert.match(await page.textContent("#outcome-check"), testCase.check, what);
    const rows = await page.locator("#section-rows tr").count();
    assert.equal(rows, testCase.rows, `${what}: the sections listed`);
    if (testCase.rows > 0) {
      // The replay opens on the failing section, or on the first.
      await page.waitForFunction(() => !document.getElementById("replay").hidden && window.barvotokViewer.last >= 0);
      const expectedTitle = new RegExp("^Barvotok replay: test case ");
      assert.match(await page.textContent("#title"), expectedTitle, what);
      const shown = await page.evaluate(() => document.getElementById("source").textContent);
      assert.match(shown, new RegExp(`^Section ${testCase.failing || 1} `), `${what}: the section replayed`);
    }
    if (testCase.unflooded) {
      assert.deepEqual(await page.evaluate(() => window.barvotokViewer.firstUnflooded), testCase.unflooded, what);
    }
    assert.equal(await page.isHidden("#problem"), true, `${what}: no problem shown`);
  }
  assert.deepEqual(page.errors, []);
  assert.deepEqual(page.outsideRequests, []);
});

test("a section replayed by its number steps through the evaluator's replay", async () => {
  const page = await open(pageUrl);
  const expected = nativeReport(INPUT, submission("2\n0\n\n\n1\n4\n2 3 4 1\n"), "replay");
  await judge(page, expected);
  await page.fill("#section-number", "2");
  await page.click("#open-section button");
  await page.waitForFunction(() => /^Section 2 /.test(document.getElementById("source").textContent));
  assert.equal(await page.evaluate(() => window.barvotokViewer.last), 4);
  await page.click("#last");
  assert.equal(await page.textContent("#region-size"), "6");
  assert.equal(await page.textContent("#move-number"), "4");
  assert.deepEqual(page.outsideRequests, []);
});

test("a page saved with the test set inside judges a submission dropped alone", async () => {
  const page = await open(pageUrl);
  const expected = nativeReport(INPUT, submission("1\n4\n2 3 4 1\n"), "baked");
  await page.setInputFiles("#input", expected.input);
  await page.waitForFunction(() => !document.getElementById("save-page").disabled);
  const [download] = await Promise.all([page.waitForEvent("download"), page.click("#save-page")]);
  const saved = path.join(scratch, "saved.html");
  fs.copyFileSync(await download.path(), saved);
  const copy = await open(pathToFileURL(saved).href);
  await copy.waitForFunction(() => /2 test cases/.test(document.getElementById("input-state").textContent));
  assert.match(await copy.textContent("#input-state"), /in this page/);
  await judge(copy, { submission: expected.submission });
  assert.ok((await downloadedReport(copy)).equals(expected.report));
  assert.deepEqual(copy.errors, []);
  assert.deepEqual(copy.outsideRequests, []);
});

test("usable on a phone-sized screen: nothing wider than the screen", async () => {
  const page = await open(pageUrl, { width: 390, height: 844 });
  await judge(page, nativeReport(INPUT, submission("1\n4\n2 3 4 1\n"), "phone"));
  await page.waitForFunction(() => !document.getElementById("replay").hidden);
  const widths = await page.evaluate(() => [document.documentElement.scrollWidth, window.innerWidth]);
  assert.ok(widths[0] <= widths[1], `the page is ${widths[0]} px wide on a ${widths[1]} px screen`);
});

test("memory that runs out: the evaluator's report, and the page says why in plain words", async () => {
  // A browser whose WebAssembly memory stops at 32 MiB, and a test set that needs more.
  const small = await launchChromium({ width: 1280, height: 800 }, ["--js-flags=--wasm-max-mem-pages=512"]);
  try {
    const rows = Array.from({ length: 1000 }, (_, y) => Array.from({ length: 1000 }, (_, x) => 1 + ((x * 7 + y * 3) % 5)).join(" "));
    let input = "Barvotok\n10\n";
    for (let n = 1; n <= 10; n++) input += `\n${n}\n1000 1000 5\n${rows.join("\n")}\n`;
    const files = nativeReport("Barvotok\n0\n", submission(""), "memory");  // only its file names are used
    fs.writeFileSync(files.input, input);
    // The native evaluator's unexpected-error form, under a memory limit of its own.
    const limited = spawnSync("bash", ["-c", 'ulimit -v 40000 && exec "$0" eval "$1" "$2" "$3"', evaluator,
      files.input, files.submission, path.join(scratch, "memory-native.txt")]);
    assert.equal(limited.status, 0);
    const expected = fs.readFileSync(path.join(scratch, "memory-native.txt"));
    assert.match(expected.toString(), /^Nepricakovana napaka/);

    const page = await open(pageUrl, undefined, small);
    await judge(page, files);
    assert.ok((await downloadedReport(page)).equals(expected));
    assert.equal(await page.textContent("#outcome-state"), "Unexpected error");
    assert.equal(await page.isHidden("#problem"), false);
    assert.match(await page.textContent("#problem"), /no more memory/);
  } finally {
    await small.close();
  }
});

test("the screenshot for the README", { skip: !process.env.BARVOTOK_SCREENSHOT }, async () => {
  const page = await open(pageUrl);
  await judge(page, nativeReport(INPUT, submission("2\n0\n\n\n1\n2\n2 3\n"), "screenshot"));
  await page.waitForFunction(() => !document.getElementById("replay").hidden);
  await page.evaluate(() => window.barvotokViewer.show(2));
  await page.screenshot({ path: process.env.BARVOTOK_SCREENSHOT, fullPage: true });
});

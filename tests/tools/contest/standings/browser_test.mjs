// The standings page in a real browser (Debian's headless chromium through
// playwright-core): contestant lines and file names that try every trick of
// markup show as the tool's escaped text, nothing of them runs or renders,
// nothing is fetched, and every column sorts.
// Usage: node standings_browser_test.mjs BARVOTOK_CONTEST SCHEMA_SQL
import { test, before, after } from "node:test";
import assert from "node:assert/strict";
import { execFileSync } from "node:child_process";
import fs from "node:fs";
import os from "node:os";
import path from "node:path";
import { pathToFileURL } from "node:url";
import { launchChromium } from "../../visualise/launch_chromium.mjs";

const [contest, schema] = process.argv.slice(2);
const scratch = fs.mkdtempSync(path.join(os.tmpdir(), "barvotok-standings-browser-"));
let context;

const hex = (text) => Buffer.from(text, "latin1").toString("hex");
const blob = (text) => `X'${hex(text)}'`;
const textOf = (bytes) => `CAST(X'${hex(bytes)}' AS TEXT)`;

// Each submission: its path and contestant line as raw bytes (latin1: one
// character per byte), its verdict, report (for a failure) and sections; `shown` is what the
// page must show for them.
const SUBMISSIONS = [
  { path: "subs/<img src=x onerror=window.pwned=1>.txt", contestant: "1<&\"'>", verdict: "OK",
    sections: [[1, 4], [2, 6]],
    shown: { contestant: "1<&\"'>", submission: "<img src=x onerror=window.pwned=1>.txt", total: "1500000000" } },
  { path: "subs/\x80\xfe\xff\\.txt", contestant: "1\x00<\x80\x81\xff", verdict: "OK",
    sections: [[1, 5]],
    shown: { contestant: "1\\x00<\\x80\\x81\\xff", submission: "\\x80\\xfe\\xff\\x5c.txt", total: "800000000" } },
  { path: "subs/<table><h1>injected<h1>", contestant: "2</td>", verdict: "OK",
    sections: [[1, 4], [2, 3], [1, 9]],
    shown: { contestant: "2</td>", submission: "<table><h1>injected<h1>", total: "2000000000" } },
  { path: "subs/<svg onload=window.pwned=2>", contestant: null, verdict: "221",
    report: "Napaka [Zvn22Barvotok:221]: v prvi vrstici bi morala biti stevilka tekmovalca, ne pa '<script>window.pwned=3</script>\x00'\n-1\n",
    sections: [],
    shown: { contestant: "<svg onload=window.pwned=2> (unidentified)", submission: "<svg onload=window.pwned=2>",
      total: "0" } },
];

// The report the judge writes beside a verdict OK: its sections' result lines.
const okReport = (sections) => `OK\n${sections.length}\n` + sections.map(([t, m]) => `${t} ${m}\n`).join("");

function writeResults(file) {
  const rows = ["INSERT INTO test_sets VALUES ('t1', 'input.txt', 2);",
    "INSERT INTO test_cases VALUES ('t1', 1, 4, 3, 4), ('t1', 2, 5, 5, 3);"];
  SUBMISSIONS.forEach((submission, i) => {
    const hash = `'h${i}'`;
    rows.push(`INSERT INTO submissions VALUES (${textOf(submission.path)}, ${hash}, 10, 't1');`);
    rows.push(`INSERT INTO verdicts VALUES (${hash}, 't1', ${submission.contestant === null ? "NULL" : blob(submission.contestant)}, '${submission.verdict}', ${blob(submission.report ?? okReport(submission.sections))});`);
    submission.sections.forEach(([testCase, moves], position) =>
      rows.push(`INSERT INTO sections VALUES (${hash}, 't1', ${position + 1}, ${testCase}, ${moves});`));
  });
  execFileSync("sqlite3", [file], { input: fs.readFileSync(schema, "utf8") + rows.join("\n") });
}

async function open(file) {
  const page = await context.newPage();
  const outside = [];
  page.on("request", (request) => { if (!request.url().startsWith("file:")) outside.push(request.url()); });
  const problems = [];
  page.on("pageerror", (error) => problems.push(error.message));
  page.on("dialog", (dialog) => { problems.push(`dialog: ${dialog.message()}`); dialog.dismiss(); });
  await page.goto(pathToFileURL(file).href);
  await page.waitForFunction(() => window.barvotokStandings !== undefined);
  page.problems = problems;
  page.outsideRequests = outside;
  return page;
}

// The text of one column, row by row, in the order shown.
const column = (page, index) => page.$$eval("tbody.ranked tr", (rows, index) =>
  rows.map((row) => row.cells[index].textContent), index);

let pagePath;
before(async () => {
  context = await launchChromium();
  const results = path.join(scratch, "results.db");
  writeResults(results);
  pagePath = path.join(scratch, "standings.html");
  execFileSync(contest, ["standings", results, "-o", pagePath]);
});
after(async () => {
  await context?.close();
  fs.rmSync(scratch, { recursive: true, force: true });
});

test("hostile contestant lines and file names show as text; nothing runs, renders or is fetched", async () => {
  const page = await open(pagePath);
  assert.deepEqual(await page.evaluate(() => ({
    pwned: window.pwned,
    scripts: document.scripts.length,
    images: document.images.length,
    svgs: document.querySelectorAll("svg").length,
    headings: document.querySelectorAll("h1").length,
    tables: document.querySelectorAll("table").length,
    title: document.title,
  })), { pwned: undefined, scripts: 1, images: 0, svgs: 0, headings: 1, tables: 1, title: "Barvotok standings" });
  const order = [2, 0, 1, 3];  // by total
  assert.deepEqual(await column(page, 1), order.map((i) => SUBMISSIONS[i].shown.contestant));
  assert.deepEqual(await column(page, 2), order.map((i) => SUBMISSIONS[i].shown.submission));
  assert.deepEqual(await column(page, 4), order.map((i) => SUBMISSIONS[i].shown.total));
  assert.deepEqual(await column(page, 0), ["1", "2", "3", "4"]);
  const verdict = await page.$eval("tbody.ranked tr:last-child td:nth-child(4)", (cell) => cell.textContent);
  assert.equal(verdict, "221Napaka [Zvn22Barvotok:221]: v prvi vrstici bi morala biti stevilka tekmovalca, ne pa " +
    "'<script>window.pwned=3</script>\\x00'");
  // Each row has its six columns and one per test case: no cell was broken open.
  assert.deepEqual(await page.$$eval("tbody.ranked tr", (rows) => rows.map((row) => row.cells.length)), [8, 8, 8, 8]);
  assert.deepEqual(page.problems, []);
  assert.deepEqual(page.outsideRequests, []);
  await page.close();
});

test("a test case column shows moves and points, shaded by points", async () => {
  const page = await open(pagePath);
  const cells = await page.$$eval("tbody.ranked tr:first-child td:nth-child(n+7)", (cells) =>
    cells.map((cell) => [cell.textContent, getComputedStyle(cell).backgroundColor]));
  assert.deepEqual(cells, [["41000000000", "rgb(99, 190, 123)"], ["31000000000", "rgb(99, 190, 123)"]]);
  const weakest = await page.$eval("tbody.ranked tr:nth-child(3) td:nth-child(8)",
    (cell) => [cell.textContent, getComputedStyle(cell).backgroundColor]);
  assert.deepEqual(weakest, ["\u20130", "rgb(255, 255, 255)"]);
  await page.close();
});

test("every column sorts both ways, ties in ranking order", async () => {
  const page = await open(pagePath);
  const header = (text) => page.locator("thead th", { hasText: text }).first();
  const contestants = (order) => order.map((i) => SUBMISSIONS[i].shown.contestant);

  await header("Total").click();
  assert.deepEqual(await column(page, 1), contestants([2, 0, 1, 3]));
  assert.equal(await header("Total").getAttribute("aria-sort"), "descending");
  await header("Total").click();
  assert.deepEqual(await column(page, 1), contestants([3, 1, 0, 2]));

  await header("Contestant").click();
  assert.deepEqual(await column(page, 1), contestants([0, 1, 2, 3]));
  await header("Contestant").click();
  assert.deepEqual(await column(page, 1), contestants([3, 2, 1, 0]));

  await header("Submission").click();  // "<..." before "\x80..."
  assert.deepEqual(await column(page, 2), [0, 3, 2, 1].map((i) => SUBMISSIONS[i].shown.submission));

  // Test case 2: points 1e9, 5e8; two left it unanswered (ties keep the ranking's order).
  await page.locator("thead th").nth(7).click();
  assert.deepEqual(await column(page, 1), contestants([2, 0, 1, 3]));
  await page.locator("thead th").nth(7).click();
  assert.deepEqual(await column(page, 1), contestants([1, 3, 0, 2]));

  await header("Rank").click();
  assert.deepEqual(await column(page, 0), ["1", "2", "3", "4"]);
  await page.locator("thead th", { hasText: "%" }).press("Enter");
  assert.deepEqual(await column(page, 0), ["1", "2", "3", "4"]);
  assert.deepEqual(page.problems, []);
  await page.close();
});

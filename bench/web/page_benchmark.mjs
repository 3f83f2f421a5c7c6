// The contestant's page against the native evaluator on the same files, in
// one run: the page opened from the disk in headless Chromium judges a test
// set and a submission (from choosing the files to the report), RUNS times
// each, beside the native evaluator's whole process on the same files.
// Usage: node page_benchmark.mjs BARVOTOK_HTML NATIVE_EVALUATOR INPUT SUBMISSION... [RUNS=5 in the environment]
import { spawnSync } from "node:child_process";
import fs from "node:fs";
import os from "node:os";
import path from "node:path";
import { pathToFileURL } from "node:url";
import { launchChromium } from "../../tests/tools/visualise/launch_chromium.mjs";

const [pageFile, native, input, ...submissions] = process.argv.slice(2);
const runs = Number(process.env.RUNS || 5);
const scratch = fs.mkdtempSync(path.join(os.tmpdir(), "barvotok-page-benchmark-"));
const median = (values) => [...values].sort((a, b) => a - b)[Math.floor((values.length - 1) / 2)];

function nativeSeconds(submission) {
  const start = process.hrtime.bigint();
  const run = spawnSync(native, ["eval", input, submission, path.join(scratch, "native.txt")]);
  if (run.status !== 0) throw new Error("the native evaluator failed");
  return Number(process.hrtime.bigint() - start) / 1e9;
}

// A fresh page each run, open and ready as a contestant has it: from
// choosing both files to the verdict shown.
async function pageSeconds(context, submission) {
  const page = await context.newPage();
  await page.goto(pathToFileURL(path.resolve(pageFile)).href);
  await page.waitForFunction(() => window.barvotokPage.ready);
  const start = process.hrtime.bigint();
  await page.setInputFiles("#input", input);
  await page.setInputFiles("#submission", submission);
  await page.waitForFunction(() => window.barvotokPage.judged && !window.barvotokPage.busy, null, { timeout: 600000 });
  const seconds = Number(process.hrtime.bigint() - start) / 1e9;
  const verdict = await page.textContent("#outcome-state");
  await page.close();
  return { seconds, verdict };
}

const context = await launchChromium({ width: 1280, height: 800 });
try {
  const load = os.loadavg().map((l) => l.toFixed(2)).join(" ");
  console.log(`load average before: ${load}; ${runs} runs each, alternating, medians in seconds`);
  console.log("submission          native     page    ratio   verdict");
  for (const submission of submissions) {
    const nativeTimes = [], pageTimes = [];
    let verdict = "";
    for (let run = 0; run < runs; run++) {
      nativeTimes.push(nativeSeconds(submission));
      const result = await pageSeconds(context, submission);
      pageTimes.push(result.seconds);
      verdict = result.verdict;
    }
    const [a, b] = [median(nativeTimes), median(pageTimes)];
    console.log(`${path.basename(submission).padEnd(18)} ${a.toFixed(3).padStart(7)} ${b.toFixed(3).padStart(8)} ` +
      `${(b / a).toFixed(2).padStart(7)}x   ${verdict}`);
  }
  console.log(`load average after: ${os.loadavg().map((l) => l.toFixed(2)).join(" ")}`);
} finally {
  await context.close();
  fs.rmSync(scratch, { recursive: true, force: true });
}

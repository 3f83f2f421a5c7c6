// Measures the page on the largest section: a 1000 x 1000 grid of 100 colours
// and 1,000,000 moves. Not a test: it prints medians.
// Usage: node page_benchmark.mjs BARVOTOK_VISUALISE [RUNS]
import { execFileSync } from "node:child_process";
import fs from "node:fs";
import os from "node:os";
import path from "node:path";
import { pathToFileURL } from "node:url";
import { launchChromium } from "./launch_chromium.mjs";

const [visualise, runsText] = process.argv.slice(2);
const runs = Number(runsText || 5);
const scratch = fs.mkdtempSync(path.join(os.tmpdir(), "barvotok-bench-"));
const W = 1000, H = 1000, B = 100, MOVES = 1000000;

let seed = 99;
const next = () => (seed = (seed * 1103515245 + 12345) % 2147483648) / 2147483648;
const rows = [];
for (let y = 0; y < H; y++) {
  const row = [];
  for (let x = 0; x < W; x++) row.push(1 + Math.floor(next() * B));
  rows.push(row.join(" "));
}
fs.writeFileSync(path.join(scratch, "input.txt"), `Barvotok\n1\n\n1\n${W} ${H} ${B}\n${rows.join("\n")}\n`);
const moves = [];
for (let i = 0; i < MOVES; i++) moves.push(1 + (i % B));
fs.writeFileSync(path.join(scratch, "submission.txt"), `123456\nBarvotok\n1\n${MOVES}\n${moves.join(" ")}\n`);

const median = (values) => [...values].sort((a, b) => a - b)[Math.floor(values.length / 2)];
const page = path.join(scratch, "page.html");
const toolTimes = [];
for (let run = 0; run < runs; run++) {
  const start = process.hrtime.bigint();
  execFileSync(visualise, [path.join(scratch, "input.txt"), path.join(scratch, "submission.txt"), page]);
  toolTimes.push(Number(process.hrtime.bigint() - start) / 1e6);
}
console.log(`tool: median ${median(toolTimes).toFixed(0)} ms over ${runs} runs; page ${(fs.statSync(page).size / 1e6).toFixed(2)} MB`);

const context = await launchChromium();
const readyTimes = [], showTimes = [];
for (let run = 0; run < runs; run++) {
  const tab = await context.newPage();
  await tab.goto(pathToFileURL(page).href);
  await tab.waitForFunction(() => window.barvotokViewer !== undefined, null, { timeout: 120000 });
  readyTimes.push(await tab.evaluate(() => performance.now()));
  showTimes.push(...await tab.evaluate(() => {
    const times = [], viewer = window.barvotokViewer;
    for (let i = 0; i < 40; i++) {
      const start = performance.now();
      viewer.show(Math.floor(((i * 7919) % 40) / 40 * viewer.last));
      times.push(performance.now() - start);
    }
    return times;
  }));
  await tab.close();
}
await context.close();
console.log(`page ready (load, decode, first frame): median ${median(readyTimes).toFixed(0)} ms over ${runs} loads`);
console.log(`show(any move): median ${median(showTimes).toFixed(1)} ms, slowest ${Math.max(...showTimes).toFixed(1)} ms over ${showTimes.length} jumps`);
fs.rmSync(scratch, { recursive: true, force: true });

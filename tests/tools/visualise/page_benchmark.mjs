// Measures the page on the largest sections: 1000 x 1000 grids with
// 1,000,000 moves, one of 100 random colours and one serpentine corridor
// (whose cells, read row by row, were flooded far apart in turns: the
// hardest case for the page's record of flood turns). Not a test: it prints medians.
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
const W = 1000, H = 1000, MOVES = 1000000;

function files(cells, b, moves) {
  const rows = [];
  for (let y = 0; y < H; y++) rows.push(cells.slice(y * W, (y + 1) * W).join(" "));
  while (moves.length < MOVES) moves.push(moves[moves.length - 1]);
  return {
    input: `Barvotok\n1\n\n1\n${W} ${H} ${b}\n${rows.join("\n")}\n`,
    submission: `123456\nBarvotok\n1\n${MOVES}\n${moves.join(" ")}\n`,
  };
}

function randomColours() {
  let seed = 99;
  const next = () => (seed = (seed * 1103515245 + 12345) % 2147483648) / 2147483648;
  const cells = [];
  for (let i = 0; i < W * H; i++) cells.push(1 + Math.floor(next() * 100));
  const moves = [];
  for (let i = 0; i < MOVES; i++) moves.push(1 + (i % 100));
  return files(cells, 100, moves);
}

// A corridor down and up every other column, in colours 1 and 2 by turns,
// between walls of colour 3; each move floods one cell of it.
function serpentine() {
  const cells = new Array(W * H).fill(3), corridor = [];
  for (let x = 0; x < W; x += 2) {
    const down = (x / 2) % 2 === 0;
    for (let k = 0; k < H; k++) corridor.push(down ? k * W + x : (H - 1 - k) * W + x);
    if (x + 1 < W) corridor.push((down ? H - 1 : 0) * W + x + 1);
  }
  corridor.forEach((cell, i) => { cells[cell] = 1 + (i % 2); });
  const moves = [];
  for (let i = 1; i < corridor.length; i++) moves.push(1 + (i % 2));
  moves.push(3);
  return files(cells, 3, moves);
}

const median = (values) => [...values].sort((a, b) => a - b)[Math.floor(values.length / 2)];
const context = await launchChromium();

async function measure(name, section) {
  const input = path.join(scratch, "input.txt"), submission = path.join(scratch, "submission.txt");
  const page = path.join(scratch, "page.html");
  fs.writeFileSync(input, section.input);
  fs.writeFileSync(submission, section.submission);
  const toolTimes = [];
  for (let run = 0; run < runs; run++) {
    const start = process.hrtime.bigint();
    execFileSync(visualise, [input, submission, page]);
    toolTimes.push(Number(process.hrtime.bigint() - start) / 1e6);
  }
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
  console.log(`${name}: page ${(fs.statSync(page).size / 1e6).toFixed(2)} MB; tool median ${median(toolTimes).toFixed(0)} ms; ` +
    `page ready (load, decode, first frame) median ${median(readyTimes).toFixed(0)} ms over ${runs} loads; ` +
    `show(any move) median ${median(showTimes).toFixed(1)} ms, slowest ${Math.max(...showTimes).toFixed(1)} ms ` +
    `over ${showTimes.length} jumps`);
}

try {
  await measure("100 random colours", randomColours());
  await measure("serpentine corridor", serpentine());
} finally {
  await context.close();
  fs.rmSync(scratch, { recursive: true, force: true });
}

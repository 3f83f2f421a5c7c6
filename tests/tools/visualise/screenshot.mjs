// Takes a PNG screenshot of a page that barvotok-visualise wrote, at a move.
// Usage: node screenshot.mjs PAGE.html SHOT.png [MOVE [WIDTHxHEIGHT]]
// (MOVE "last" or none: the last move; the window is 1180 x 760 unless given)
import path from "node:path";
import { pathToFileURL } from "node:url";
import { launchChromium } from "./launch_chromium.mjs";

const [pageFile, shotFile, move, size = "1180x760"] = process.argv.slice(2);
const [width, height] = size.split("x").map(Number);
if (!pageFile || !shotFile || !(width > 0 && height > 0)) {
  console.error("usage: node screenshot.mjs PAGE.html SHOT.png [MOVE [WIDTHxHEIGHT]]");
  process.exit(2);
}
const context = await launchChromium({ width, height });
try {
  const page = await context.newPage();
  await page.goto(pathToFileURL(path.resolve(pageFile)).href);
  await page.waitForFunction(() => window.barvotokViewer !== undefined);
  await page.evaluate((m) => window.barvotokViewer.show(m === undefined ? window.barvotokViewer.last : Number(m)),
    move === "last" ? undefined : move);
  await page.screenshot({ path: shotFile, fullPage: true });
} finally {
  await context.close();
}

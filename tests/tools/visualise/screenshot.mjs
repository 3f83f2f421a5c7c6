// Takes a PNG screenshot of a page that barvotok-visualise wrote, at a move.
// Usage: node screenshot.mjs PAGE.html SHOT.png [MOVE]   (default: the last move)
import path from "node:path";
import { pathToFileURL } from "node:url";
import { launchChromium } from "./launch_chromium.mjs";

const [pageFile, shotFile, move] = process.argv.slice(2);
if (!pageFile || !shotFile) {
  console.error("usage: node screenshot.mjs PAGE.html SHOT.png [MOVE]");
  process.exit(2);
}
const context = await launchChromium({ width: 1180, height: 760 });
try {
  const page = await context.newPage();
  await page.goto(pathToFileURL(path.resolve(pageFile)).href);
  await page.waitForFunction(() => window.barvotokViewer !== undefined);
  await page.evaluate((m) => window.barvotokViewer.show(m === undefined ? window.barvotokViewer.last : Number(m)), move);
  await page.screenshot({ path: shotFile, fullPage: true });
} finally {
  await context.close();
}

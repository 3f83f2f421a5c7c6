// Debian's chromium, headless, with a fresh profile and nothing that calls home.
import fs from "node:fs";
import os from "node:os";
import path from "node:path";
import { chromium } from "playwright-core";

export async function launchChromium(viewport = { width: 1300, height: 900 }, extraArguments = []) {
  const profile = fs.mkdtempSync(path.join(os.tmpdir(), "barvotok-chromium-"));
  const context = await chromium.launchPersistentContext(profile, {
    executablePath: "/usr/bin/chromium",
    headless: true,
    args: ["--headless", "--no-sandbox", "--disable-gpu", "--disable-quic", "--no-first-run",
      "--disable-background-networking", "--disable-component-update", "--disable-sync", ...extraArguments],
    viewport,
  });
  const close = context.close.bind(context);
  context.close = async () => {
    await close();
    fs.rmSync(profile, { recursive: true, force: true });
  };
  return context;
}

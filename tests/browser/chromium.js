// Starts Debian's Chromium headless for the browser tests and the
// measurements, with a fresh profile, talking to it over a pipe. The
// machine's network is closed: the flags keep Chromium from waiting on
// refused connections (updates, sync, first-run pages).
"use strict";

const fs = require("fs");
const os = require("os");
const path = require("path");
const puppeteer = require("puppeteer-core");

const CHROMIUM = process.env.CHROMIUM || "/usr/bin/chromium";

async function startChromium() {
  const profile = fs.mkdtempSync(path.join(os.tmpdir(), "scenario-chromium-"));
  const browser = await puppeteer.launch({
    executablePath: CHROMIUM,
    headless: true,
    pipe: true,
    userDataDir: profile,
    args: [
      "--no-sandbox", "--disable-gpu", "--disable-quic", "--no-first-run",
      "--disable-background-networking", "--disable-component-update", "--disable-sync",
      "--font-render-hinting=none",
    ],
  });
  const close = async () => {
    await browser.close();
    fs.rmSync(profile, {recursive: true, force: true});
  };
  return {browser, close};
}

module.exports = {startChromium, CHROMIUM};

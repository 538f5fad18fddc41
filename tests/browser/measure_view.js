// How long the view page takes to open in headless Chromium: from the start
// of the navigation to the end of the page's first drawing
// (window.scenarioView.ready, on the page's own clock), each time in a new
// tab. Prints one line: the page's size in bytes, then every time in
// milliseconds, then their median. scripts/bench.sh runs it on the view of
// the generated 1000 km scenario.
//
//   node measure_view.js PAGE.html [RUNS]
"use strict";

const fs = require("fs");
const {startChromium} = require("./chromium");

async function main() {
  const [page, runs = "5"] = process.argv.slice(2);
  const {browser, close} = await startChromium();
  const times = [];
  try {
    for (let run = 0; run < Number(runs); ++run) {
      const tab = await browser.newPage();
      await tab.setViewport({width: 1400, height: 1150});
      const errors = [];
      tab.on("pageerror", (error) => errors.push(error.message));
      await tab.goto("file://" + page, {timeout: 60000});
      await tab.waitForSelector("body[data-ready=yes]", {timeout: 60000});
      if (errors.length) throw new Error("the page failed: " + errors.join("; "));
      times.push(await tab.evaluate(() => window.scenarioView.ready));
      await tab.close();
    }
  } finally {
    await close();
  }
  const sorted = [...times].sort((a, b) => a - b);
  const median = sorted[Math.floor(sorted.length / 2)];
  console.log([fs.statSync(page).size, ...times.map((t) => t.toFixed(0)), median.toFixed(0)].join(" "));
}

main().catch((error) => {
  console.error(error.stack || error);
  process.exit(1);
});

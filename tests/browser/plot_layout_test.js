// The plot's SVG as Chromium draws it: for the built-in scenario and the
// tests' short lines with long station names near both ends, no text
// crosses another text or the edge of the picture, by the boxes the browser
// reports for the fonts it really uses. Keeps each rendered picture in the
// artifacts folder.
//
//   node plot_layout_test.js SCENARIO_TOOL ARTIFACTS_FOLDER
"use strict";

const fs = require("fs");
const os = require("os");
const path = require("path");
const {startChromium} = require("./chromium");
const {testScenarios, draw} = require("./scenarios");
const {Checks} = require("./check");

const [tool, artifacts] = process.argv.slice(2);
const checks = new Checks("plot_layout");

// Texts touching by less than this much, in pixels, are rounding.
const TOLERANCE = 0.5;

// Texts each picture must show: what stands in the tail beyond the line's
// length is drawn as well.
const EXPECTED = {
  Brevissima_9: ["DEPOSITO LOCOMOTIVE OLTRE LA FINE DELLA LINEA",
                 "DEPOSITO LOCOMOTIVE · DI SAN GIOVANNI IN PERSICETO · Km 8+900", "GAMMA SCALO",
                 "4 stazioni, 1 segnale, 0 rallentamenti", "0 indicatori di velocità, 2 cartelli con testo"],
  Corta_Nomi_7: ["STAZIONE CENTRALE DI SANTA MARIA ALTA", "GAMMA SCALO MERCI DI PONENTE",
                 "2 stazioni, 2 segnali, 1 rallentamento", "1 indicatore di velocità, 1 cartello con testo"],
  Velbrio_Dolvena_30527: ["VELBRIO S.M.N.", "DOLVENA C.LE", "GALLERIA · M.SIVELLO · Km 18+510"],
};

async function textBoxes(page) {
  return page.evaluate(() => {
    const svg = document.documentElement;
    return {
      width: svg.width.baseVal.value,
      height: svg.height.baseVal.value,
      font: getComputedStyle(document.querySelector("text")).fontFamily,
      texts: [...document.querySelectorAll("text")].map((text) => {
        const box = text.getBoundingClientRect();
        return {text: text.textContent, left: box.left, top: box.top, right: box.right, bottom: box.bottom};
      }),
    };
  });
}

function overlap(a, b) {
  return Math.min(a.right, b.right) - Math.max(a.left, b.left) > TOLERANCE &&
      Math.min(a.bottom, b.bottom) - Math.max(a.top, b.top) > TOLERANCE;
}

async function checkPicture(page, svg, name) {
  await page.goto("file://" + svg);
  const size = await page.evaluate(() => [document.documentElement.width.baseVal.value,
                                          document.documentElement.height.baseVal.value]);
  await page.setViewport({width: Math.ceil(size[0]), height: Math.ceil(size[1])});
  const {width, height, font, texts} = await textBoxes(page);
  checks.that(font.startsWith("\"DejaVu Sans\"") || font.startsWith("DejaVu Sans"),
              name + ": the texts name DejaVu Sans first: " + font);
  checks.that(texts.length > 50, name + ": the picture has its texts (" + texts.length + ")");
  for (const wanted of EXPECTED[name] || []) {
    checks.that(texts.some((box) => box.text === wanted), name + ": the picture shows \"" + wanted + "\"");
  }
  for (const box of texts) {
    checks.that(box.left >= -TOLERANCE && box.top >= -TOLERANCE && box.right <= width + TOLERANCE &&
                box.bottom <= height + TOLERANCE,
                name + ": \"" + box.text + "\" stays inside the picture: " + JSON.stringify(box));
  }
  for (let i = 0; i < texts.length; ++i) {
    for (let j = i + 1; j < texts.length; ++j) {
      checks.that(!overlap(texts[i], texts[j]),
                  name + ": \"" + texts[i].text + "\" and \"" + texts[j].text + "\" do not cross: " +
                      JSON.stringify(texts[i]) + " " + JSON.stringify(texts[j]));
    }
  }
  await page.screenshot({path: path.join(artifacts, name + ".png")});
}

async function main() {
  const work = fs.mkdtempSync(path.join(os.tmpdir(), "scenario-plot-test-"));
  fs.mkdirSync(artifacts, {recursive: true});
  const {browser, close} = await startChromium();
  try {
    const page = await browser.newPage();
    for (const scenario of testScenarios(tool, work)) {
      const name = scenario.lineId + "_" + scenario.train;
      const svg = draw(tool, scenario, "plot", path.join(work, name + ".svg"));
      await checkPicture(page, svg, name);
    }
  } finally {
    await close();
    fs.rmSync(work, {recursive: true, force: true});
  }
}

main().then(() => process.exit(checks.finish()), (error) => {
  console.log("FAILED: " + (error.stack || error));
  process.exit(checks.finish() || 1);
});

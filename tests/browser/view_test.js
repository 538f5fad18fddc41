// The view page of the built-in scenario in headless Chromium, as an author
// uses it: it loads nothing from outside, a typed stretch, the wheel, a drag
// and the keys move the view, pointing at a signal shows its cell in the
// inspector, searches find a station, a board and a kilometre. Keeps a
// screenshot in the artifacts folder.
//
//   node view_test.js SCENARIO_TOOL ARTIFACTS_FOLDER
"use strict";

const fs = require("fs");
const os = require("os");
const path = require("path");
const {startChromium} = require("./chromium");
const {compileScenario, draw, runTool} = require("./scenarios");
const {Checks} = require("./check");

const [tool, artifacts] = process.argv.slice(2);
const checks = new Checks("view");

async function inspectorText(page) {
  return page.$eval("#inspector", (element) => element.innerText);
}

async function range(page) {
  return page.evaluate(() => window.scenarioView.range());
}

async function showStretch(page, from, to) {
  await page.$eval("#range-from", (input, value) => { input.value = value; }, from);
  await page.$eval("#range-to", (input, value) => { input.value = value; }, to);
  await page.click("#range-form button[type=submit]");
}

async function pointAt(page, metre, panel) {
  const x = await page.evaluate((m) => window.scenarioView.clientX(m), metre);
  const y = await page.evaluate((p) => window.scenarioView.clientY(p), panel);
  await page.mouse.move(x, y);
  return {x, y};
}

async function search(page, text) {
  await page.click("#search", {clickCount: 3});
  await page.keyboard.press("Backspace");
  await page.type("#search", text);
  await page.keyboard.press("Enter");
}

async function main() {
  const work = fs.mkdtempSync(path.join(os.tmpdir(), "scenario-view-test-"));
  fs.mkdirSync(artifacts, {recursive: true});
  const scenario = compileScenario(tool, work, "Velbrio_Dolvena", "30527");
  const file = draw(tool, scenario, "view", path.join(work, "Velbrio_Dolvena_30527.html"));

  const {browser, close} = await startChromium();
  try {
    const page = await browser.newPage();
    const problems = [];
    const requests = [];
    page.on("pageerror", (error) => problems.push(error.message));
    page.on("console", (message) => { if (message.type() === "error") problems.push(message.text()); });
    page.on("request", (request) => requests.push(request.url()));
    await page.setViewport({width: 1400, height: 1150});
    await page.goto("file://" + file);
    await page.waitForSelector("body[data-ready=yes]", {timeout: 20000});
    checks.that(problems.length === 0, "the page runs without errors: " + problems.join("; "));
    checks.that(requests.length === 1, "the page asks for nothing but itself: " + requests.join(", "));
    checks.that((await page.title()) === "Velbrio_Dolvena · treno 30527", "the title names line and train");

    // The whole track at first, the 7000 m tail included.
    let shown = await range(page);
    checks.that(shown.from === 0 && shown.to === 104050, "the whole track first: " + JSON.stringify(shown));

    // Every metre of the plan the page holds is the line data file's own, to
    // the last bit, as dump reads it.
    const dumped = JSON.parse(runTool(tool, ["dump", "--all", "--json",
                                             path.join(scenario.folder, "Velbrio_Dolvena_linea.dat")], work));
    const mismatches = await page.evaluate((points) => {
      const wrong = [];
      for (const point of points) {
        const x = point.x === null ? 0 : point.x, y = point.y === null ? 0 : point.y;
        if (!Object.is(plan.x.values[point.metre], x) || !Object.is(plan.y.values[point.metre], y) ||
            KIND_NAMES[kindAt(plan.x, point.metre)] === undefined) {
          wrong.push(point.metre);
        }
      }
      return {wrong: wrong.slice(0, 10), count: wrong.length, metres: plan.last + 1};
    }, dumped.points);
    checks.that(mismatches.count === 0 && mismatches.metres === dumped.points.length,
                "the page's plan is the file's, metre by metre: " + JSON.stringify(mismatches));

    // A typed stretch: 500 m around the main signal at 15+150 (cell 304).
    await showStretch(page, "14+900", "15+400");
    shown = await range(page);
    checks.that(shown.from === 14900 && shown.to === 15400, "the typed stretch: " + JSON.stringify(shown));
    const caption = await page.$eval("#plan-caption", (element) => element.textContent);
    checks.contains(caption, "da km 14+900 a km 15+400", "the plan's caption");

    await pointAt(page, 15150, "signals");
    let text = await inspectorText(page);
    for (const part of ["km 15+150", "segnale posto a km 15+150 (cella 304)", "Cella 304 (da km 15+200 a km 15+250)",
                        "occupante della cella: segnale", "segnale principale", "aspetto 1 (s1 × 10 + d1)",
                        "limite di velocità della linea (km/h ÷ 5)", "pendenza (‰ + 100)", "aderenza",
                        "tipo del tratto di montagna o galleria", "marcatore di approccio", "Pianta al metro 15150",
                        "(double)"]) {
      checks.contains(text, part, "the inspector on the signal");
    }
    await page.screenshot({path: path.join(artifacts, "view_signal.png")});

    // A click pins the place: the pointer may leave.
    const signal = await pointAt(page, 15150, "signals");
    await page.mouse.click(signal.x, signal.y);
    await pointAt(page, 14950, "speed");
    text = await inspectorText(page);
    checks.contains(text, "Cella 304", "the pinned inspector");
    await page.keyboard.press("Escape");
    await pointAt(page, 14960, "speed");
    text = await inspectorText(page);
    checks.contains(text, "Cella 299 (da km 14+950 a km 15+000)", "the inspector after Esc, on the track");

    // The wheel zooms about the pointer, a drag pans, the keys do both.
    await pointAt(page, 15150, "speed");
    await page.mouse.wheel({deltaY: 300});
    shown = await range(page);
    checks.that(shown.to - shown.from > 500, "the wheel zooms out: " + JSON.stringify(shown));
    const before = await range(page);
    const start = await pointAt(page, 15150, "gradient");
    await page.mouse.down();
    await page.mouse.move(start.x - 200, start.y, {steps: 5});
    await page.mouse.up();
    shown = await range(page);
    checks.that(shown.from > before.from, "a drag to the left moves on along the line: " + JSON.stringify(shown));
    await page.focus("#profiles");
    const span = shown.to - shown.from;
    await page.keyboard.press("+");
    shown = await range(page);
    checks.that(Math.abs((shown.to - shown.from) - span / 2) < 1, "+ halves the stretch: " + JSON.stringify(shown));
    await page.keyboard.press("Home");
    shown = await range(page);
    checks.that(shown.from === 0 && shown.to === 104050, "Home shows the whole track: " + JSON.stringify(shown));

    // Searches: a station by part of its name, a board's text, a kilometre.
    await search(page, "porta serra");
    text = await inspectorText(page);
    for (const part of ["stazione VELBRIO PORTA SERRA a km 2+750", "Slot 2 della tabella: stazione",
                        "nome (campo 17 della riga)", "posizione (m, campo 1 della riga)"]) {
      checks.contains(text, part, "the inspector on the station found");
    }
    shown = await range(page);
    checks.that(shown.from < 2750 && shown.to > 2750, "the view moves to the station: " + JSON.stringify(shown));
    await search(page, "SIVELLO");
    text = await inspectorText(page);
    checks.contains(text, "cartello posto a km 37+200", "the inspector on the board found");
    checks.contains(text, "Slot 80 della tabella: testo di cartello", "the board's text slot");
    await search(page, "12+350");
    text = await inspectorText(page);
    checks.contains(text, "km 12+350", "the inspector at the kilometre searched");
    checks.contains(text, "Cella 247 (da km 12+350 a km 12+400)", "the cell of the kilometre searched");
    await search(page, "nessun posto così");
    const results = await page.$eval("#search-results", (element) => element.innerText);
    checks.contains(results, "nessun risultato", "a search that finds nothing");
    await page.keyboard.press("Escape");

    // The picture for the documents: a stretch of 2 km with the signal pinned.
    await page.$eval("#search", (input) => { input.value = ""; });
    await showStretch(page, "14+000", "16+500");
    const pinned = await pointAt(page, 15150, "signals");
    await page.mouse.click(pinned.x, pinned.y);
    await page.mouse.move(pinned.x, pinned.y + 400);
    await page.screenshot({path: path.join(artifacts, "view_builtin.png")});
    checks.that(problems.length === 0, "no errors while in use: " + problems.join("; "));
  } finally {
    await close();
    fs.rmSync(work, {recursive: true, force: true});
  }
}

main().then(() => process.exit(checks.finish()), (error) => {
  console.log("FAILED: " + (error.stack || error));
  process.exit(checks.finish() || 1);
});

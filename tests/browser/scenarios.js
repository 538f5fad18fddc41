// Compiles the scenarios the browser tests look at with scenario_tool, as an
// author would: the built-in one from `texts`, and short lines of the tests'
// own (scenarios/) with long station names near both ends.
"use strict";

const {execFileSync} = require("child_process");
const fs = require("fs");
const path = require("path");

const SCENARIOS = path.join(__dirname, "scenarios");

function runTool(tool, args, folder) {
  return execFileSync(tool, args, {cwd: folder, encoding: "utf8", stdio: ["ignore", "pipe", "pipe"],
                                   maxBuffer: 256 * 1024 * 1024});
}

// Compiles the scenario `lineId`/`train` into `folder`/out and returns
// {folder, lineId, train}; the texts come from `texts` (a folder) or, for
// the built-in scenario, from `scenario_tool texts`.
function compileScenario(tool, folder, lineId, train, texts) {
  fs.mkdirSync(folder, {recursive: true});
  let source = texts;
  if (!source) {
    source = path.join(folder, "testi");
    runTool(tool, ["texts", source], folder);
  }
  runTool(tool, [
    "compile", path.join(source, lineId + "_linea.txt"), path.join(source, lineId + "_" + train + "-.txt"),
    "--line-id", lineId, "--train", train, "--out", path.join(folder, "out"),
  ], folder);
  return {folder: path.join(folder, "out"), lineId, train};
}

// The built-in scenario and the tests' short lines.
function testScenarios(tool, work) {
  return [
    compileScenario(tool, path.join(work, "builtin"), "Velbrio_Dolvena", "30527"),
    compileScenario(tool, path.join(work, "corta"), "Corta_Nomi", "7", SCENARIOS),
    compileScenario(tool, path.join(work, "brevissima"), "Brevissima", "9", SCENARIOS),
  ];
}

// Writes `command`'s file ("plot" or "view") of a compiled scenario.
function draw(tool, scenario, command, output) {
  runTool(tool, [command, scenario.folder, "--line-id", scenario.lineId, "--train", scenario.train, "-o", output],
          scenario.folder);
  return output;
}

module.exports = {compileScenario, testScenarios, draw, runTool};

// The interactive view of a compiled scenario. Everything it shows comes
// from the JSON in #scenario-data, which scenario_tool wrote from the
// binary files through their decoders: the page computes only where to
// draw. The plan is kept whole, every metre, and thinned only for drawing.
"use strict";

const SCRIPT_START = performance.now();
const data = JSON.parse(document.getElementById("scenario-data").textContent);
const CELL = data.metres_per_cell;
const TRACK_END = data.track_end;
const LINE_LENGTH = data.line_length;
const MIN_SPAN = 200;  // metres: the narrowest stretch shown

// ---- Plan: every metre's x and y, exactly as the file holds them ----------

const KIND_NAMES = {0: "non impostato", 2: "intero a 16 bit", 5: "double"};

function kindRuns(flat) {
  const runs = [];
  let metre = 0;
  for (let i = 0; i < flat.length; i += 2) {
    runs.push({start: metre, kind: flat[i]});
    metre += flat[i + 1];
  }
  return runs;
}

// Every metre's point from the program scenario_tool wrote: ["p", x, y] a
// point as it stands ("NaN" and the infinities as words), [c, n] n metres each following from the two before it
// as the line compiler's walk computes them, with the same double
// operations in the same order, so that every value is the file's own.
function walkPlan(last, program) {
  const X = new Float64Array(last + 1), Y = new Float64Array(last + 1);
  let m = 0;
  for (const step of program) {
    if (step[0] === "p") {
      X[m] = Number(step[1]);
      Y[m] = Number(step[2]);
      ++m;
      continue;
    }
    const [c, count] = step;
    let x0 = X[m - 2], y0 = Y[m - 2], x1 = X[m - 1], y1 = Y[m - 1];
    for (let k = 0; k < count; ++k, ++m) {
      const dx = x1 - x0;
      const dy = y1 - y0;
      let x, y;
      if (c === 0) {
        x = x1 + dx;
        y = y1 + dy;
      } else {
        x = x1 + (dx + c * dy);
        y = y1 + (dy - c * dx);
      }
      X[m] = x;
      Y[m] = y;
      x0 = x1; y0 = y1; x1 = x; y1 = y;
    }
  }
  return {X, Y};
}

const plan = data.plan ? (() => {
  const {X, Y} = walkPlan(data.plan.last_metre, data.plan.points);
  return {
    last: data.plan.last_metre,
    x: {values: X, runs: kindRuns(data.plan.x_kinds)},
    y: {values: Y, runs: kindRuns(data.plan.y_kinds)},
  };
})() : null;

function kindAt(column, metre) {
  let low = 0, high = column.runs.length - 1;
  while (low < high) {
    const middle = (low + high + 1) >> 1;
    if (column.runs[middle].start <= metre) low = middle; else high = middle - 1;
  }
  return column.runs[low].kind;
}

function planSet(metre) {
  return plan && metre >= 0 && metre <= plan.last &&
      kindAt(plan.x, metre) !== 0 && kindAt(plan.y, metre) !== 0;
}

// The last metre with a plan point: the walk along the plan stops there.
const planLast = (() => {
  if (!plan) return -1;
  let last = plan.last;
  while (last > 0 && !planSet(last)) --last;
  return last;
})();

// ---- Text helpers -----------------------------------------------------------

function kilometre(metres) {
  const m = Math.round(metres);
  const sign = m < 0 ? "-" : "";
  const a = Math.abs(m);
  return sign + Math.floor(a / 1000) + "+" + String(a % 1000).padStart(3, "0");
}

// "12+350", "12,35", "12.35" or "12" (kilometres) to metres; null otherwise.
function parseKilometre(text) {
  const t = text.trim().replace(/^km\s*/i, "");
  let match = /^(\d+)\+(\d{1,3})$/.exec(t);
  if (match) return Number(match[1]) * 1000 + Number(match[2]);
  match = /^(\d+)(?:[.,](\d+))?$/.exec(t);
  if (match) return Math.round(Number(match[1] + "." + (match[2] || "0")) * 1000);
  return null;
}

function escapeHtml(text) {
  return String(text).replace(/[&<>"']/g, (c) => ({
    "&": "&amp;", "<": "&lt;", ">": "&gt;", '"': "&quot;", "'": "&#39;"})[c]);
}

// ---- What stands where ------------------------------------------------------

// The cells' fields, each a column of values from cell 0 on.
const columns = {};
for (const name of data.fields) {
  const runs = data.columns[name];
  let length = 0;
  for (let i = 1; i < runs.length; i += 2) length += runs[i];
  const column = new Int32Array(length);
  for (let i = 0, at = 0; i < runs.length; i += 2) {
    column.fill(runs[i], at, at + runs[i + 1]);
    at += runs[i + 1];
  }
  columns[name] = column;
}
const CELLS = columns.type.length;

const items = data.items.map(([kind, cell, position, detail, text]) =>
  ({kind, cell, position, detail, text}));
const stations = data.stations;
const slotsByNumber = new Map(data.slots.map((slot) => [slot.slot, slot]));

function triples(flat, size) {
  const out = [];
  for (let i = 0; i < flat.length; i += size) out.push(flat.slice(i, i + size));
  return out;
}
const speedLimits = triples(data.speed_limits, 3);
const gradients = triples(data.gradients, 3);
const adhesions = triples(data.adhesions, 3);
const slowSections = triples(data.slow_sections, 3);
const terrain = triples(data.terrain, 4);
const curves = triples(data.curves, 4);
const heights = triples(data.heights, 2);

// ---- The stretch in view ----------------------------------------------------

const state = {from: 0, to: TRACK_END, hover: null, pinned: null};

function setRange(from, to) {
  let span = Math.max(MIN_SPAN, Math.min(to - from, TRACK_END));
  from = Math.max(0, Math.min(from, TRACK_END - span));
  state.from = from;
  state.to = from + span;
  document.getElementById("range-from").value = kilometre(state.from);
  document.getElementById("range-to").value = kilometre(state.to);
  draw();
}

function zoom(factor, aroundMetre) {
  const span = (state.to - state.from) * factor;
  const share = (aroundMetre - state.from) / (state.to - state.from);
  setRange(aroundMetre - share * span, aroundMetre - share * span + span);
}

function pan(share) {
  const shift = (state.to - state.from) * share;
  setRange(state.from + shift, state.to + shift);
}

// ---- Profiles ---------------------------------------------------------------

const profiles = document.getElementById("profiles");
const LEFT = 150, RIGHT_MARGIN = 16;

// The panels from the top, each with its height in CSS pixels.
const PANELS = [
  {name: "stations", title: "Stazioni", height: 58},
  {name: "height", title: "Quota (m)", height: 90},
  {name: "gradient", title: "Pendenza (‰)", height: 70},
  {name: "speed", title: "Velocità (km/h)", height: 96},
  {name: "curves", title: "Curvatura", height: 52},
  {name: "adhesion", title: "Aderenza", height: 40},
  {name: "signals", title: "Segnali", height: 26},
  {name: "slow", title: "Rallentamenti", height: 26},
  {name: "boards", title: "Cartelli", height: 46},
  {name: "terrain", title: "Gallerie", height: 26},
  {name: "axis", title: "", height: 40},
];
const PANEL_GAP = 6;

function panelTops() {
  const tops = {};
  let y = 6;
  for (const panel of PANELS) {
    tops[panel.name] = {top: y, bottom: y + panel.height, title: panel.title};
    y += panel.height + PANEL_GAP;
  }
  return tops;
}

function prepareCanvas(canvas) {
  const ratio = window.devicePixelRatio || 1;
  const width = canvas.clientWidth, height = canvas.clientHeight;
  if (canvas.width !== Math.round(width * ratio) || canvas.height !== Math.round(height * ratio)) {
    canvas.width = Math.round(width * ratio);
    canvas.height = Math.round(height * ratio);
  }
  const context = canvas.getContext("2d");
  context.setTransform(ratio, 0, 0, ratio, 0, 0);
  context.clearRect(0, 0, width, height);
  return {context, width, height};
}

function xScale(width) {
  const right = width - RIGHT_MARGIN;
  const span = state.to - state.from;
  return {
    left: LEFT, right,
    x: (metre) => LEFT + (metre - state.from) / span * (right - LEFT),
    metre: (x) => state.from + (x - LEFT) / (right - LEFT) * span,
  };
}

// Steps [start, end, value] that reach into the stretch in view.
function visible(steps) {
  return steps.filter((s) => s[1] >= state.from && s[0] <= state.to);
}

function clampX(scale, x) {
  return Math.max(scale.left, Math.min(scale.right, x));
}

function niceStep(span, most) {
  const raw = span / most;
  const power = Math.pow(10, Math.floor(Math.log10(raw)));
  for (const factor of [1, 2, 5, 10]) if (factor * power >= raw) return factor * power;
  return 10 * power;
}

function valueAxis(c, scale, panel, low, high, ticks) {
  const y = (v) => panel.bottom - 3 - (v - low) / (high - low || 1) * (panel.bottom - panel.top - 6);
  c.fillStyle = "#666";
  c.font = "10px 'DejaVu Sans', sans-serif";
  c.textAlign = "right";
  c.strokeStyle = "#ececec";
  for (const v of ticks) {
    c.beginPath();
    c.moveTo(scale.left, y(v));
    c.lineTo(scale.right, y(v));
    c.stroke();
    c.fillText(String(v), scale.left - 4, y(v) + 3);
  }
  return y;
}

function drawPanelFrame(c, scale, panel) {
  c.strokeStyle = "#bbb";
  c.strokeRect(scale.left + 0.5, panel.top + 0.5, scale.right - scale.left, panel.bottom - panel.top);
  c.fillStyle = "#222";
  c.font = "bold 11px 'DejaVu Sans', sans-serif";
  c.textAlign = "right";
  if (panel.title) c.fillText(panel.title, scale.left - 30, (panel.top + panel.bottom) / 2 + 4);
}

function drawTail(c, scale, top, bottom) {
  if (LINE_LENGTH <= 0 || LINE_LENGTH >= state.to) return;
  const x = clampX(scale, scale.x(LINE_LENGTH));
  c.fillStyle = "rgba(120, 120, 120, 0.13)";
  c.fillRect(x, top, scale.right - x, bottom - top);
  c.strokeStyle = "#888";
  c.setLineDash([4, 3]);
  c.beginPath();
  c.moveTo(x + 0.5, top);
  c.lineTo(x + 0.5, bottom);
  c.stroke();
  c.setLineDash([]);
  c.fillStyle = "#555";
  c.font = "10px 'DejaVu Sans', sans-serif";
  c.textAlign = "left";
  if (scale.right - x > 170) c.fillText("coda oltre la fine della linea", x + 4, top + 10);
}

function drawStations(c, scale, panel) {
  c.font = "11px 'DejaVu Sans', sans-serif";
  c.textAlign = "left";
  const rows = [];  // right edge of the last label of each row
  for (const station of stations) {
    if (station.position < state.from || station.position > state.to) continue;
    const x = scale.x(station.position);
    const width = c.measureText(station.name).width;
    let left = Math.min(x, scale.right - width);
    let row = rows.findIndex((right) => right + 8 < left);
    if (row < 0) { rows.push(0); row = rows.length - 1; }
    if (row > 2) continue;
    rows[row] = left + width;
    const baseline = panel.bottom - 6 - row * 16;
    c.strokeStyle = "#999";
    c.beginPath();
    c.moveTo(x, baseline + 2);
    c.lineTo(x, panel.bottom);
    c.stroke();
    c.fillStyle = "#222";
    c.fillText(station.name, left, baseline);
  }
}

// The height at `metre`, between the points at the gradient steps' edges.
function heightAt(metre) {
  for (let i = 1; i < heights.length; ++i) {
    const [x0, h0] = heights[i - 1], [x1, h1] = heights[i];
    if (metre <= x1) return x1 === x0 ? h1 : h0 + (h1 - h0) * (Math.max(metre, x0) - x0) / (x1 - x0);
  }
  return heights.length ? heights[heights.length - 1][1] : 0;
}

function drawHeight(c, scale, panel) {
  // The scale fits the heights of the stretch in view.
  let low = Infinity, high = -Infinity;
  const ends = [state.from, Math.min(state.to, heights.length ? heights[heights.length - 1][0] : 0)];
  for (const metre of ends) { low = Math.min(low, heightAt(metre)); high = Math.max(high, heightAt(metre)); }
  for (const [position, h] of heights) {
    if (position >= state.from && position <= state.to) { low = Math.min(low, h); high = Math.max(high, h); }
  }
  if (high - low < 10) { const middle = (low + high) / 2; low = middle - 5; high = middle + 5; }
  const step = niceStep(high - low, 4);
  low = Math.floor(low / step) * step;
  high = Math.ceil(high / step) * step;
  const ticks = [];
  for (let v = low; v <= high + 1e-9; v += step) ticks.push(Math.round(v * 10) / 10);
  const y = valueAxis(c, scale, panel, low, high, ticks);
  if (heights.length === 0) return;
  // The heights of the stretch in view, from its start to its end or to the
  // line's end.
  const last = Math.min(state.to, heights[heights.length - 1][0]);
  if (last <= state.from) return;
  const points = [[state.from, heightAt(state.from)]];
  for (const [position, h] of heights) if (position > state.from && position < last) points.push([position, h]);
  points.push([last, heightAt(last)]);
  c.beginPath();
  c.moveTo(scale.x(state.from), y(low));
  for (const [position, h] of points) c.lineTo(scale.x(position), y(h));
  c.lineTo(scale.x(last), y(low));
  c.closePath();
  c.fillStyle = "#e6d5bd";
  c.fill();
  c.strokeStyle = "#8d6e63";
  c.stroke();
}

function drawGradient(c, scale, panel) {
  let steepest = 5;
  for (const [, , v] of gradients) steepest = Math.max(steepest, Math.abs(v));
  const limit = Math.ceil(steepest / 5) * 5;
  const y = valueAxis(c, scale, panel, -limit, limit, [-limit, 0, limit]);
  for (const [start, end, v] of visible(gradients)) {
    const x1 = clampX(scale, scale.x(start)), x2 = clampX(scale, scale.x(end));
    c.fillStyle = v > 0 ? "#e8a09a" : "#9fd0a2";
    c.fillRect(x1, Math.min(y(v), y(0)), Math.max(x2 - x1, 0.5), Math.abs(y(v) - y(0)));
  }
}

function drawSpeed(c, scale, panel) {
  let fastest = 40;
  for (const [, , v] of speedLimits) fastest = Math.max(fastest, v);
  const high = Math.ceil((fastest + 10) / 20) * 20;
  const ticks = [];
  for (let v = 0; v <= high; v += niceStep(high, 4)) ticks.push(v);
  const y = valueAxis(c, scale, panel, 0, high, ticks);
  c.strokeStyle = "#1565c0";
  c.lineWidth = 2;
  stepLine(c, scale, visible(speedLimits), y);
  // A slow order: the speed line dips to its speed over its length.
  c.strokeStyle = "#d32f2f";
  for (const [start, end, v] of visible(slowSections)) {
    const x1 = clampX(scale, scale.x(start));
    const x2 = Math.max(clampX(scale, scale.x(end)), x1 + 2);
    c.beginPath();
    c.moveTo(x1, y(limitAt(start)));
    c.lineTo(x1, y(v));
    c.lineTo(x2, y(v));
    c.lineTo(x2, y(limitAt(end)));
    c.stroke();
    c.fillStyle = "#d32f2f";
    c.font = "bold 10px 'DejaVu Sans', sans-serif";
    c.textAlign = "center";
    c.fillText(String(v), (x1 + x2) / 2, y(v) + 12);
  }
  c.lineWidth = 1;
}

// Steps [start, end, value] as one line, rising or falling where a step
// meets the next.
function stepLine(c, scale, steps, y) {
  c.beginPath();
  let lastEnd = null;
  for (const [start, end, v] of steps) {
    const x1 = clampX(scale, scale.x(start)), x2 = clampX(scale, scale.x(end));
    if (lastEnd === start) c.lineTo(x1, y(v)); else c.moveTo(x1, y(v));
    c.lineTo(x2, y(v));
    lastEnd = end;
  }
  c.stroke();
}

// The line's speed limit at `metre` (the steps are in order): 0 where none.
function limitAt(metre) {
  let low = 0, high = speedLimits.length - 1;
  while (low <= high) {
    const middle = (low + high) >> 1;
    const [start, end, v] = speedLimits[middle];
    if (metre < start) high = middle - 1;
    else if (metre >= end) low = middle + 1;
    else return v;
  }
  return 0;
}

function drawCurves(c, scale, panel) {
  const middle = (panel.top + panel.bottom) / 2;
  const unit = (panel.bottom - panel.top - 8) / 12;
  c.strokeStyle = "#aaa";
  c.beginPath();
  c.moveTo(scale.left, middle);
  c.lineTo(scale.right, middle);
  c.stroke();
  c.fillStyle = "#666";
  c.font = "9px 'DejaVu Sans', sans-serif";
  c.textAlign = "right";
  c.fillText("destra", scale.left - 4, panel.top + 10);
  c.fillText("sinistra", scale.left - 4, panel.bottom - 3);
  if (!data.curves_from_plan) {
    c.textAlign = "left";
    c.fillText("nessun dato di linea", scale.left + 6, middle - 4);
    return;
  }
  for (const [start, end, curveClass, side] of visible(curves)) {
    if (curveClass === 0) continue;
    const x1 = clampX(scale, scale.x(start)), x2 = clampX(scale, scale.x(end));
    const h = curveClass * unit;
    c.fillStyle = side > 0 ? "#7e57c2" : "#26a69a";
    c.fillRect(x1, side > 0 ? middle - h : middle, Math.max(x2 - x1, 0.8), h);
    if (x2 - x1 > 16) {
      c.fillStyle = "#fff";
      c.textAlign = "center";
      c.fillText((side > 0 ? "d" : "s") + curveClass, (x1 + x2) / 2, side > 0 ? middle - 2 : middle + 9);
    }
  }
}

function drawAdhesion(c, scale, panel) {
  let high = 1;
  for (const [, , v] of adhesions) high = Math.max(high, v);
  const y = valueAxis(c, scale, panel, 0, high, [0, high]);
  c.strokeStyle = "#5d4037";
  stepLine(c, scale, visible(adhesions), y);
}

function visibleItems(kind) {
  return items.filter((item) => item.kind === kind &&
      item.position >= state.from && item.position <= state.to);
}

function drawSignals(c, scale, panel) {
  for (const item of visibleItems("signal")) {
    const x = scale.x(item.position), base = panel.bottom - 2;
    c.strokeStyle = "#444";
    c.beginPath();
    c.moveTo(x, base);
    c.lineTo(x, base - 14);
    c.stroke();
    c.fillStyle = item.detail === 2 ? "#b71c1c" : item.detail === 1 ? "#f9a825" : "#777";
    if (item.detail === 1) {
      c.beginPath();
      c.moveTo(x, base - 21); c.lineTo(x + 4, base - 16.5); c.lineTo(x, base - 12); c.lineTo(x - 4, base - 16.5);
      c.fill();
    } else {
      c.fillRect(x - 3, base - 21, 6, 8);
    }
  }
}

function drawSlow(c, scale, panel) {
  const middle = (panel.top + panel.bottom) / 2;
  c.fillStyle = "rgba(211, 47, 47, 0.85)";
  for (const [start, end] of visible(slowSections)) {
    const x1 = clampX(scale, scale.x(start));
    c.fillRect(x1, middle - 5, Math.max(clampX(scale, scale.x(end)) - x1, 3), 10);
  }
  for (const item of visibleItems("warning")) {
    const x = scale.x(item.position);
    c.fillStyle = "#ffb300";
    c.beginPath();
    c.moveTo(x, middle - 7); c.lineTo(x + 6, middle + 5); c.lineTo(x - 6, middle + 5);
    c.fill();
  }
  c.fillStyle = "#ef6c00";
  for (const item of visibleItems("abatement")) {
    c.beginPath();
    c.arc(scale.x(item.position), middle, 2.6, 0, 2 * Math.PI);
    c.fill();
  }
}

function drawBoards(c, scale, panel) {
  const middle = panel.top + 10;
  c.fillStyle = "#1565c0";
  for (const item of visibleItems("indicator")) c.fillRect(scale.x(item.position) - 3.5, middle - 3.5, 7, 7);
  c.font = "10px 'DejaVu Sans', sans-serif";
  c.textAlign = "left";
  let lastRight = -Infinity;
  for (const item of visibleItems("board")) {
    const x = scale.x(item.position);
    c.fillStyle = "#6a1b9a";
    c.beginPath();
    c.moveTo(x, middle - 7); c.lineTo(x + 6, middle); c.lineTo(x, middle + 7); c.lineTo(x - 6, middle);
    c.fill();
    const width = c.measureText(item.text).width;
    const left = Math.min(x, scale.right - width);
    if (left > lastRight + 8) {
      c.fillText(item.text, left, panel.bottom - 6);
      lastRight = left + width;
    }
  }
}

function drawTerrain(c, scale, panel) {
  for (const [start, end, , tunnel] of visible(terrain)) {
    const x1 = clampX(scale, scale.x(start));
    c.fillStyle = tunnel ? "#424242" : "#bcaaa4";
    c.fillRect(x1, panel.top + 5, Math.max(clampX(scale, scale.x(end)) - x1, 1.5), panel.bottom - panel.top - 10);
  }
}

function drawAxis(c, scale, panel) {
  const span = state.to - state.from;
  const step = niceStep(span, 12);
  c.strokeStyle = "#555";
  c.fillStyle = "#222";
  c.font = "10.5px 'DejaVu Sans', sans-serif";
  c.textAlign = "center";
  c.beginPath();
  c.moveTo(scale.left, panel.top);
  c.lineTo(scale.right, panel.top);
  for (let m = Math.ceil(state.from / step) * step; m <= state.to; m += step) {
    const x = scale.x(m);
    c.moveTo(x, panel.top);
    c.lineTo(x, panel.top + 6);
    const half = c.measureText(kilometre(m)).width / 2;
    c.fillText(kilometre(m), Math.min(Math.max(x, half + 2), scale.right + RIGHT_MARGIN - half - 2), panel.top + 18);
  }
  c.stroke();
  c.fillText("distanza dall'inizio della linea (km)", (scale.left + scale.right) / 2, panel.top + 34);
}

const DRAWERS = {
  stations: drawStations, height: drawHeight, gradient: drawGradient, speed: drawSpeed,
  curves: drawCurves, adhesion: drawAdhesion, signals: drawSignals, slow: drawSlow,
  boards: drawBoards, terrain: drawTerrain, axis: drawAxis,
};

// What a canvas shows of the stretch in view, kept as a picture while the
// stretch and the size stay the same, so that moving the pointer redraws
// only its mark.
function cachedBase(canvas, cache, drawBase) {
  const ratio = window.devicePixelRatio || 1;
  const width = canvas.clientWidth, height = canvas.clientHeight;
  const key = [state.from, state.to, width, height, ratio].join(" ");
  if (cache.key !== key) {
    cache.canvas.width = Math.round(width * ratio);
    cache.canvas.height = Math.round(height * ratio);
    const c = cache.canvas.getContext("2d");
    c.setTransform(ratio, 0, 0, ratio, 0, 0);
    drawBase(c, width, height);
    cache.key = key;
  }
  const {context} = prepareCanvas(canvas);
  context.setTransform(1, 0, 0, 1, 0, 0);
  context.drawImage(cache.canvas, 0, 0);
  context.setTransform(ratio, 0, 0, ratio, 0, 0);
  return {context, width, height};
}

const profileCache = {key: null, canvas: document.createElement("canvas")};

function drawProfiles() {
  const {context: c, width} = cachedBase(profiles, profileCache, drawProfileBase);
  const scale = xScale(width);
  const tops = panelTops();
  const top = tops.height.top, bottom = tops.terrain.bottom;
  const marked = state.pinned || state.hover;
  if (marked) {
    const x = scale.x(marked.metre);
    c.strokeStyle = state.pinned ? "#c62828" : "#1e88e5";
    c.beginPath();
    c.moveTo(x + 0.5, top);
    c.lineTo(x + 0.5, bottom);
    c.stroke();
  }
}

function drawProfileBase(c, width) {
  const scale = xScale(width);
  const tops = panelTops();
  for (const panel of PANELS) {
    const box = tops[panel.name];
    c.save();
    if (panel.name !== "axis" && panel.name !== "stations") {
      drawPanelFrame(c, scale, box);
      c.beginPath();
      c.rect(scale.left - 60, box.top - 6, scale.right - scale.left + 60, box.bottom - box.top + 7);
      c.clip();
    }
    DRAWERS[panel.name](c, scale, box);
    c.restore();
  }
  drawTail(c, scale, tops.height.top, tops.terrain.bottom);
}

// ---- Plan view --------------------------------------------------------------

const planCanvas = document.getElementById("plan");

// Every `stride`-th metre of the plan between two metres, and the last.
function planPoints(from, to, most) {
  const first = Math.max(0, Math.floor(from)), last = Math.min(planLast, Math.ceil(to));
  const stride = Math.max(1, Math.ceil((last - first) / most));
  const points = [];
  for (let m = first; m <= last; m += stride) points.push(m);
  if (points.length && points[points.length - 1] !== last) points.push(last);
  return points;
}

const planCache = {key: null, canvas: document.createElement("canvas"), map: null};

function drawPlan() {
  const {context: c} = cachedBase(planCanvas, planCache, drawPlanBase);
  const marked = state.pinned || state.hover;
  if (marked && planCache.map && planSet(Math.round(marked.metre))) {
    const m = Math.round(marked.metre);
    c.fillStyle = "#c62828";
    c.beginPath();
    c.arc(planCache.map.px(plan.x.values[m]), planCache.map.py(plan.y.values[m]), 5, 0, 2 * Math.PI);
    c.fill();
  }
}

// The plan of the stretch in view; keeps in planCache.map how plan
// metres map onto the canvas.
function drawPlanBase(c, width, height) {
  planCache.map = null;
  const caption = document.getElementById("plan-caption");
  if (!plan || planLast < 0) {
    c.fillStyle = "#666";
    c.font = "14px 'DejaVu Sans', sans-serif";
    c.textAlign = "center";
    c.fillText("Pianta non disponibile: nessun dato di linea", width / 2, height / 2);
    caption.textContent = "";
    return;
  }
  const X = plan.x.values, Y = plan.y.values;
  const stretch = planPoints(state.from, state.to, 3000);
  if (stretch.length === 0) {
    caption.textContent = "Il tratto in vista è oltre l'ultimo punto della pianta.";
    return;
  }
  let xMin = Infinity, xMax = -Infinity, yMin = Infinity, yMax = -Infinity;
  for (const m of stretch) {
    xMin = Math.min(xMin, X[m]); xMax = Math.max(xMax, X[m]);
    yMin = Math.min(yMin, Y[m]); yMax = Math.max(yMax, Y[m]);
  }
  const pad = 0.08 * Math.max(xMax - xMin, yMax - yMin, 50);
  const scale = Math.min((width - 20) / (xMax - xMin + 2 * pad), (height - 20) / (yMax - yMin + 2 * pad));
  const cx = (xMin + xMax) / 2, cy = (yMin + yMax) / 2;
  const px = (x) => width / 2 + (x - cx) * scale;
  const py = (y) => height / 2 - (y - cy) * scale;

  // The whole line, thinned, faint; the stretch in view over it.
  c.strokeStyle = "#c5cfd8";
  c.lineWidth = 2;
  c.beginPath();
  planPoints(0, planLast, 4000).forEach((m, i) => (i ? c.lineTo(px(X[m]), py(Y[m])) : c.moveTo(px(X[m]), py(Y[m]))));
  c.stroke();
  c.strokeStyle = "#2b5d8a";
  c.lineWidth = 3;
  c.beginPath();
  stretch.forEach((m, i) => (i ? c.lineTo(px(X[m]), py(Y[m])) : c.moveTo(px(X[m]), py(Y[m]))));
  c.stroke();
  c.lineWidth = 1;

  c.font = "11px 'DejaVu Sans', sans-serif";
  c.textAlign = "left";
  const named = [];  // boxes of the names drawn: a name that would cross one is left out
  for (const station of stations) {
    const m = Math.min(Math.max(station.position, 0), planLast);
    const x = px(X[m]), y = py(Y[m]);
    if (x < -50 || x > width + 50 || y < -20 || y > height + 20) continue;
    c.fillStyle = "#fff";
    c.strokeStyle = "#222";
    c.beginPath();
    c.arc(x, y, 3.6, 0, 2 * Math.PI);
    c.fill();
    c.stroke();
    const box = {left: x + 6, right: x + 6 + c.measureText(station.name).width, top: y - 15, bottom: y - 1};
    if (named.some((b) => b.left < box.right && box.left < b.right && b.top < box.bottom && box.top < b.bottom)) continue;
    named.push(box);
    c.fillStyle = "#222";
    c.fillText(station.name, box.left, y - 4);
  }
  planCache.map = {px, py};
  // North arrow.
  c.fillStyle = "#333";
  c.beginPath();
  c.moveTo(width - 20, 10); c.lineTo(width - 26, 30); c.lineTo(width - 20, 26); c.lineTo(width - 14, 30);
  c.fill();
  c.textAlign = "center";
  c.fillText("N", width - 20, 44);
  const bar = niceStep((width / 5) / scale, 1);
  c.fillRect(12, height - 14, bar * scale, 4);
  c.textAlign = "left";
  c.fillText(bar >= 1000 ? bar / 1000 + " km" : bar + " m", 12, height - 20);
  caption.textContent = "Pianta del tratto da km " + kilometre(state.from) + " a km " +
      kilometre(Math.min(state.to, planLast)) + " (nord in alto, stessa scala sui due assi); in grigio il resto della linea.";
}

// ---- Inspector --------------------------------------------------------------

const inspector = document.getElementById("inspector");

function fieldRows(cell) {
  const occupant = data.occupants[cell] || [0];
  const meanings = data.occupant_meanings[occupant[0]];
  return data.fields.map((name) => {
    const value = columns[name][cell];
    let text;
    if (data.track_texts[name]) {
      text = data.track_texts[name][value];
    } else {
      const at = data.occupant_fields.indexOf(name);
      text = [meanings[at], occupant.length > 1 ? occupant[1 + at] : ""];
    }
    const [meaning, shown] = text || ["", ""];
    return "<tr><td class=\"name\">" + escapeHtml(name) + "</td><td class=\"value\">" + value +
        "</td><td>" + escapeHtml(meaning) + (shown ? ": <b>" + escapeHtml(shown) + "</b>" : "") + "</td></tr>";
  }).join("");
}

function slotSection(number) {
  const slot = slotsByNumber.get(number);
  if (!slot) return "";
  const rows = slot.fields.filter(([, value]) => value !== "" && value !== "0").map(([name, value, meaning]) =>
    "<tr><td class=\"name\">" + escapeHtml(name) + "</td><td class=\"value\">" + escapeHtml(value) +
    "</td><td>" + escapeHtml(meaning) + "</td></tr>").join("");
  return "<h3>Slot " + number + " della tabella: " + escapeHtml(slot.role) + "</h3>" +
      "<p>I campi non elencati valgono 0.</p><table>" + rows + "</table>";
}

function planSection(metre) {
  const m = Math.round(metre);
  if (!plan) return "<h3>Pianta</h3><p>Nessun dato di linea.</p>";
  if (m < 0 || m > plan.last) return "<h3>Pianta</h3><p>Il metro " + m + " è oltre la pianta.</p>";
  const coordinate = (column) => {
    const kind = kindAt(column, m);
    return kind === 0 ? "non impostato" : String(column.values[m]) + " (" + KIND_NAMES[kind] + ")";
  };
  return "<h3>Pianta al metro " + m + "</h3><p>x " + escapeHtml(coordinate(plan.x)) + "</p><p>y " +
      escapeHtml(coordinate(plan.y)) + "</p>";
}

// What the inspector shows for a place: `target` holds the metre, the cell
// and, where the pointer is on an item or a station, what it is.
function inspect(target) {
  const cell = target.cell;
  const start = cell * CELL;
  let html = "<h2>km " + kilometre(target.metre) + "</h2>";
  if (target.label) html += "<p><b>" + escapeHtml(target.label) + "</b></p>";
  html += "<p>Cella " + cell + " (da km " + kilometre(start) + " a km " + kilometre(start + CELL) + ")";
  if (target.metre > LINE_LENGTH) html += ", nella coda oltre la fine della linea";
  html += "</p>";
  if (cell >= 0 && cell < CELLS) html += "<table>" + fieldRows(cell) + "</table>";
  else html += "<p>Fuori dalle celle.</p>";
  if (target.slot !== undefined) html += slotSection(target.slot);
  else if (cell >= 0 && cell < CELLS) {
    const type = columns.type[cell];
    if (type === 10 || type === 14) html += slotSection(columns.value_a[cell]);
  }
  html += planSection(target.metre);
  inspector.innerHTML = html;
  inspector.classList.toggle("pinned", state.pinned === target);
}

const ITEM_NAMES = {
  signal: "segnale", slow: "inizio rallentamento", warning: "punto di avviso",
  indicator: "indicatore di velocità", board: "cartello", abatement: "abbattimento",
};

// The place the pointer names at `x`: an item or a station within a few
// pixels (nearest first), else the cell whose 50 m hold the metre.
function targetAt(x) {
  const scale = xScale(profiles.clientWidth);
  const metre = Math.max(0, Math.min(TRACK_END, scale.metre(x)));
  let best = null, bestDistance = 6;
  for (const item of items) {
    const distance = Math.abs(scale.x(item.position) - x);
    if (distance < bestDistance) {
      bestDistance = distance;
      best = {metre: item.position, cell: item.cell,
              label: ITEM_NAMES[item.kind] + " posto a km " + kilometre(item.position) +
                  " (cella " + item.cell + ")" + (item.text ? ": " + item.text : "")};
    }
  }
  for (const station of stations) {
    const distance = Math.abs(scale.x(station.position) - x);
    if (distance < bestDistance) {
      bestDistance = distance;
      const cell = station.cell !== null ? station.cell : Math.floor(station.position / CELL);
      best = {metre: station.position, cell, slot: station.slot,
              label: "stazione " + station.name + " a km " + kilometre(station.position)};
    }
  }
  return best || {metre, cell: Math.floor(metre / CELL)};
}

// ---- Search -----------------------------------------------------------------

function searchResults(query) {
  const results = [];
  const km = parseKilometre(query);
  if (km !== null && /\d/.test(query) && /^\s*(km\s*)?[\d.,+]+\s*$/i.test(query)) {
    results.push({text: "km " + kilometre(km), target: {metre: km, cell: Math.floor(km / CELL)}});
  }
  const wanted = query.trim().toLocaleLowerCase("it");
  if (wanted) {
    for (const station of stations) {
      if (!station.name.toLocaleLowerCase("it").includes(wanted)) continue;
      const cell = station.cell !== null ? station.cell : Math.floor(station.position / CELL);
      results.push({text: "stazione " + station.name + " (km " + kilometre(station.position) + ")",
                    target: {metre: station.position, cell, slot: station.slot,
                             label: "stazione " + station.name + " a km " + kilometre(station.position)}});
    }
    for (const item of items) {
      if (item.kind !== "board" || !item.text.toLocaleLowerCase("it").includes(wanted)) continue;
      results.push({text: "cartello " + item.text + " (km " + kilometre(item.position) + ")",
                    target: {metre: item.position, cell: item.cell,
                             label: "cartello posto a km " + kilometre(item.position) + " (cella " + item.cell + "): " + item.text}});
    }
  }
  return results;
}

function goTo(target) {
  const span = Math.min(Math.max(state.to - state.from, MIN_SPAN), 2000);
  state.pinned = target;
  setRange(target.metre - span / 2, target.metre + span / 2);
  inspect(target);
}

function showResults(results) {
  const list = document.getElementById("search-results");
  list.innerHTML = "";
  if (results.length === 0) {
    const li = document.createElement("li");
    li.textContent = "nessun risultato";
    li.style.padding = "3px 8px";
    list.appendChild(li);
    return;
  }
  for (const result of results.slice(0, 50)) {
    const li = document.createElement("li");
    const button = document.createElement("button");
    button.type = "button";
    button.textContent = result.text;
    button.addEventListener("click", () => { list.innerHTML = ""; goTo(result.target); });
    li.appendChild(button);
    list.appendChild(li);
  }
}

// ---- Events -----------------------------------------------------------------

function draw() {
  drawProfiles();
  drawPlan();
}

let drag = null;
profiles.addEventListener("wheel", (event) => {
  event.preventDefault();
  const scale = xScale(profiles.clientWidth);
  zoom(event.deltaY < 0 ? 0.8 : 1.25, scale.metre(event.offsetX));
}, {passive: false});
profiles.addEventListener("mousedown", (event) => {
  drag = {x: event.offsetX, from: state.from, to: state.to, moved: false};
});
window.addEventListener("mouseup", (event) => {
  if (drag && !drag.moved && event.target === profiles) {
    const target = targetAt(event.offsetX);
    state.pinned = state.pinned && state.pinned.cell === target.cell ? null : target;
    inspect(state.pinned || target);
    draw();
  }
  drag = null;
});
profiles.addEventListener("mousemove", (event) => {
  if (drag) {
    const dx = event.offsetX - drag.x;
    if (Math.abs(dx) > 3) drag.moved = true;
    if (drag.moved) {
      const scale = xScale(profiles.clientWidth);
      const shift = dx / (scale.right - scale.left) * (drag.to - drag.from);
      setRange(drag.from - shift, drag.to - shift);
    }
    return;
  }
  state.hover = targetAt(event.offsetX);
  if (!state.pinned) inspect(state.hover);
  draw();
});
profiles.addEventListener("mouseleave", () => {
  state.hover = null;
  draw();
});
function closeResults() {
  document.getElementById("search-results").innerHTML = "";
}

document.addEventListener("keydown", (event) => {
  if (event.key === "Escape") closeResults();
  if (event.target instanceof HTMLInputElement) return;
  const middle = (state.from + state.to) / 2;
  if (event.key === "+" || event.key === "=") zoom(0.5, middle);
  else if (event.key === "-" || event.key === "_") zoom(2, middle);
  else if (event.key === "ArrowLeft") pan(-0.2);
  else if (event.key === "ArrowRight") pan(0.2);
  else if (event.key === "Home") setRange(0, TRACK_END);
  else if (event.key === "Escape") {
    state.pinned = null;
    draw();
  } else return;
  event.preventDefault();
});
document.getElementById("range-form").addEventListener("submit", (event) => {
  event.preventDefault();
  const from = parseKilometre(document.getElementById("range-from").value);
  const to = parseKilometre(document.getElementById("range-to").value);
  if (from === null || to === null || to <= from) {
    document.getElementById("range-from").setCustomValidity("scrivere due chilometri come 12+000 e 13+500");
    document.getElementById("range-from").reportValidity();
    return;
  }
  document.getElementById("range-from").setCustomValidity("");
  setRange(from, to);
});
document.getElementById("whole").addEventListener("click", () => setRange(0, TRACK_END));
document.getElementById("search-form").addEventListener("submit", (event) => {
  event.preventDefault();
  const results = searchResults(document.getElementById("search").value);
  if (results.length > 0) {
    document.getElementById("search-results").innerHTML = "";
    goTo(results[0].target);
    if (results.length > 1) showResults(results);
  } else {
    showResults(results);
  }
});
document.getElementById("search").addEventListener("input", (event) => {
  const query = event.target.value;
  if (query.trim().length >= 2) showResults(searchResults(query));
  else document.getElementById("search-results").innerHTML = "";
});
document.addEventListener("mousedown", (event) => {
  if (!document.getElementById("search-form").contains(event.target)) closeResults();
});
window.addEventListener("resize", draw);

document.getElementById("title").textContent = data.line_id + " · treno " + data.train;
setRange(0, TRACK_END);
// For the measurements and the tests: the first drawing is done, and where
// a metre stands on the screen.
window.scenarioView = {
  ready: performance.now(),
  scriptStart: SCRIPT_START,
  range: () => ({from: state.from, to: state.to}),
  clientX: (metre) => profiles.getBoundingClientRect().left + xScale(profiles.clientWidth).x(metre),
  clientY: (panel) => {
    const box = panelTops()[panel];
    return profiles.getBoundingClientRect().top + (box.top + box.bottom) / 2;
  },
};
document.body.dataset.ready = "yes";

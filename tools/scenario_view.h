#pragma once

#include <cstdint>
#include <optional>
#include <string>
#include <vector>

#include "records/cell_record.h"
#include "records/plan_array.h"
#include "records/table_record.h"

namespace scenario::tools {

// What the picture of a compiled scenario shows, read from its binary
// files. Positions are metres from the start of the line. An item placed in
// cell k (signals, slow sections, boards, abatement points) is shown at
// (k - 1) × 50, the position the author wrote; a cell's track values
// (gradient, speed limit, terrain) cover k × 50 to (k + 1) × 50.
struct Station {
  std::string name;  // UTF-8
  std::int32_t position = 0;
  std::uint8_t kind = 0;
};

struct Signal {
  std::int64_t position = 0;
  int sx = 0;  // 2: main signal, 1: distant signal (from value_d)
};

struct SlowSection {
  std::int64_t start = 0;
  std::int64_t end = 0;                 // the end cell's position; start when none was found
  int speed = 0;                        // km/h
  std::optional<std::int64_t> warning;  // the warning point, 1200 m before
};

struct Board {
  std::int64_t position = 0;
  bool sign = false;   // a sign board with a text; else a speed indicator
  std::string text;    // sign board: its lines joined, UTF-8
  int left_speed = 0;  // speed indicator: rank A, left side, km/h
  int right_speed = 0;
};

// A run of cells with the same value of a track field.
struct Step {
  std::int64_t start = 0;
  std::int64_t end = 0;
  int value = 0;
};

struct TerrainStretch {
  std::int64_t start = 0;
  std::int64_t end = 0;
  int terrain = 0;
  bool tunnel = false;  // holds tunnel markers (only stretches of 200 m or more can)
};

// The height relative to the start of the line at the edge of a gradient
// step, summing gradient × length up to the line length.
struct HeightPoint {
  double position = 0.0;
  double height = 0.0;  // metres
};

// A stretch of the plan turning by one curve class, or straight (class 0),
// as the plan's points show it: the turn from each metre's step to the next.
struct CurveStretch {
  std::int64_t start = 0;
  std::int64_t end = 0;
  int curve_class = 0;  // 1 (gentlest) to 6; 0 straight
  int side = 0;         // +1 right ("d"), -1 left ("s"), 0 straight
};

struct ScenarioView {
  std::string line_id;           // UTF-8, from slot 85
  std::string train_number;      // UTF-8, from slot 86
  std::int64_t line_length = 0;  // slot 84 long_b
  std::int64_t track_end = 0;    // end of the last cell
  std::vector<Station> stations;
  std::vector<Signal> signals;
  std::vector<SlowSection> slow_sections;
  std::vector<Board> boards;
  std::vector<std::int64_t> abatement_points;
  std::vector<Step> speed_limits;  // km/h
  std::vector<Step> gradients;     // per mille; cells with gradient 0 (unset) left out
  std::vector<HeightPoint> heights;
  std::vector<Step> adhesions;  // the cells' adhesion values
  std::vector<TerrainStretch> terrain;
  std::vector<CurveStretch> curves;  // from the plan; empty without one
  std::optional<records::PlanArray> plan;
};

// The slow section whose start stands in cell `start` (a kSlowStart cell):
// its end is the next kSlowEnd cell, its warning point the kWarningPoint
// cell 1200 m before.
SlowSection slow_section(const records::CellArray& cells, std::size_t start);

// The curve stretches the plan's points show, from metre 0 to the last
// metre with both coordinates set.
std::vector<CurveStretch> curve_stretches(const records::PlanArray& plan);

ScenarioView scenario_view(const records::HeaderTable& table, const records::CellArray& cells,
                           std::optional<records::PlanArray> plan);

// A sign-board text as one line: the board lines in brackets joined by
// " · ", blanks inside the brackets trimmed ("GALLERIA · M.SIVELLO · Km
// 18+510").
std::string board_caption(std::string_view cp1252);

}  // namespace scenario::tools

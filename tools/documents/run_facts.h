#pragma once

#include <cstdint>
#include <string>
#include <string_view>
#include <vector>

#include "records/scenario_records.h"

namespace scenario::tools {

// What the driver documents read of a compiled run: the records the
// simulator loads, never the texts again. Positions are metres from the
// start of the line, times seconds of the day as the run gives them.

// A station row of the run (a header slot from 1 upward).
struct RunStation {
  std::int32_t position = 0;  // long_c
  std::uint8_t kind = 0;
  std::int32_t area_start = 0;  // long_a
  std::int32_t area_end = 0;    // long_b
  int dwell = 0;                // byte_c, seconds
  std::int32_t time = 0;        // long_d: its hours, minutes, seconds; 0 when it gives none
  std::string name;             // Windows-1252, the blanks after it left out

  bool gives_time() const { return time != 0; }
};

// The line speed limit from `position` on, where the cells change it.
struct LineSpeedChange {
  std::int64_t position = 0;
  int kmh = 0;
};

// A slow section as its cells hold it: start and end cell, k, at (k - 1) × 50.
struct RunSlowOrder {
  std::int64_t start = 0;
  std::int64_t length = 0;
  int speed = 0;  // km/h
};

struct RunFacts {
  std::string train_number;  // Windows-1252, slot 86
  std::int32_t braked_mass_percent = 0;
  std::vector<RunStation> stations;          // in the order of the run
  std::vector<LineSpeedChange> line_speeds;  // from cell 0, each change of the limit
  std::vector<RunSlowOrder> slow_orders;     // in position order
};

// Reads the facts of compiled and completed records. `run_text` names the
// run text in refusals: a run without stations, or a station name holding a
// control character or a byte Windows-1252 leaves without a character,
// which no document can show (DocumentRefusal).
RunFacts run_facts(const records::ScenarioRecords& records, std::string_view run_text);

}  // namespace scenario::tools

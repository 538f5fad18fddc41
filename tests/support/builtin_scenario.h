#pragma once

#include <cstdint>
#include <vector>

#include "records/scenario_records.h"

namespace scenario::testing {

// The built-in scenario as the installer compiles and completes it, before
// the files are written: compiled once, for tests that check other things
// (the driver documents, the built-in texts) against what the simulator
// will load.
const records::ScenarioRecords& builtin_scenario();

// Facts of those records, in metres along the line.

// Positions of the run's signals: the metre x whose cell round(x / 50 + 1)
// holds a signal, for positions on the grid.
std::vector<std::int32_t> signal_positions(const records::ScenarioRecords& records);

// Every change of the line speed limit along the cells, from cell 0: the
// first metre of the cell where it changes, and the new limit in km/h.
struct SpeedChange {
  std::int32_t metres;
  std::int32_t km_per_hour;
};
std::vector<SpeedChange> speed_changes(const records::ScenarioRecords& records);

// The station records, slot 1 upward until the first empty slot.
std::vector<records::TableRecord> stations(const records::ScenarioRecords& records);

}  // namespace scenario::testing

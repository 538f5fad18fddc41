#pragma once

#include <cstdint>
#include <optional>
#include <string>

#include "records/cell_record.h"
#include "records/compile_state.h"
#include "records/plan_array.h"
#include "records/slot_roles.h"
#include "records/table_record.h"
#include "records/track_geometry.h"

namespace scenario::records {

// Everything one installation builds and writes: the identity of the
// scenario, the header table, the cell array, the plan array and the compile
// state. A plain value; every step reads and writes it in place.
struct ScenarioRecords {
  std::string line_id;       // Windows-1252 bytes
  std::string train_number;  // Windows-1252 bytes
  std::int32_t write_line_data = 0;

  HeaderTable header{};
  CellArray cells;                // empty until the line length is read
  std::optional<PlanArray> plan;  // see create_track
  CompileState state;

  // The track of a line of `length` metres, replacing any before: cells 0
  // to N, every field 0, and, exactly when write_line_data is nonzero, the
  // plan array for metres 0 to L + 7000, every element unset. From here on
  // the plan's presence is what says whether the line data are computed
  // and written.
  void create_track(std::int32_t length) {
    cells.assign(static_cast<std::size_t>(last_cell_index(length)) + 1, CellRecord{});
    if (write_line_data != 0)
      plan.emplace(last_plan_metre(length));
    else
      plan.reset();
  }
  // No track at all, as before the line length is read.
  void clear_track() {
    cells.clear();
    plan.reset();
  }
};

}  // namespace scenario::records

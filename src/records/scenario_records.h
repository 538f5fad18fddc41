#pragma once

#include <cstdint>
#include <optional>
#include <string>

#include "records/cell_record.h"
#include "records/compile_state.h"
#include "records/plan_array.h"
#include "records/slot_roles.h"
#include "records/table_record.h"

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
  std::optional<PlanArray> plan;  // present only when write_line_data is set
  CompileState state;
};

}  // namespace scenario::records

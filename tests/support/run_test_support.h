#pragma once

#include <cstdint>
#include <string_view>

#include "records/scenario_records.h"

namespace scenario::run {

// N of the built-in line (97000 m): cells 0 to 2080.
inline constexpr std::int32_t kBuiltInLastCell = 2080;

// The records as the line half leaves them for a line as long as the built-in
// one: cells 0 to 2080, all free, and no sign board.
records::ScenarioRecords line_records();

// The cells alone: cells 0 to 2080, all free.
inline records::CellArray free_cells() {
  return records::CellArray(kBuiltInLastCell + 1);
}

// Compiles `text` as a run description text into `records`. Exceptions of
// the compiler pass through.
void compile_text(records::ScenarioRecords& records, std::string_view text,
                  std::int32_t next_board_slot = records::kFirstBoardTextSlot);

// The cells of `records` whose type is `type`, by index.
std::vector<std::int32_t> cells_of_type(const records::ScenarioRecords& records, std::uint8_t type);

}  // namespace scenario::run

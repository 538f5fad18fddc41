#pragma once

#include <cstdint>
#include <string>

#include "records/scenario_records.h"

namespace scenario::run {

// Compiles the run description text at `path` into the records, after the
// line half, and deletes the text. Station records must stay below
// `next_board_slot`. Problems are recorded in records.state; an unexpected
// failure throws text::CompileFailure for the compiler's trap.
void compile_run(records::ScenarioRecords& records, const std::string& path,
                 std::int32_t next_board_slot);

}  // namespace scenario::run

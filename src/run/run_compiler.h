#pragma once

#include <cstdint>
#include <optional>
#include <string_view>

#include "records/scenario_records.h"

namespace scenario::run {

// Compiles the content of a run description text into the records, after
// the line half. Station records must stay below `next_board_slot`.
// Problems are recorded in records.state; an unexpected failure, no run
// text among them, throws text::CompileFailure for the compiler's trap.
void compile_run(records::ScenarioRecords& records, std::optional<std::string_view> text,
                 std::int32_t next_board_slot);

}  // namespace scenario::run

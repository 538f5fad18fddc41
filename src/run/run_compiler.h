#pragma once

#include <cstdint>
#include <optional>
#include <string_view>
#include <vector>

#include "compiler/compile_observer.h"
#include "records/scenario_records.h"
#include "text/field_observer.h"

namespace scenario::run {

// Compiles the content of a run description text into the records, after
// the line half. Station records must stay below `next_board_slot`.
// Problems are recorded in records.state; an unexpected failure, no run
// text among them, throws text::CompileFailure for the compiler's trap.
// `observer` (none: nobody) hears what the compile does.
void compile_run(records::ScenarioRecords& records, std::optional<std::string_view> text,
                 std::int32_t next_board_slot, compiler::CompileObserver* observer = nullptr);

// The kinds of row of a run text, as people know them.
std::vector<text::EntryInfo> run_row_kinds();

}  // namespace scenario::run

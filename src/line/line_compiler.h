#pragma once

#include <cstdint>
#include <optional>
#include <string_view>
#include <vector>

#include "compiler/compile_observer.h"
#include "records/scenario_records.h"

namespace scenario::line {

// What the line half of the compiler hands to the run half.
struct LineHandOver {
  // The line compiler stopped at once: the run text is not compiled.
  bool hard_stop = false;
  // The header slot just below the sign-board texts.
  std::int32_t next_board_slot = records::kFirstBoardTextSlot;
};

// Compiles the content of a line description text into the records (none:
// no line text, kErrorNoLineText). Problems are recorded in records.state; an
// unexpected failure throws text::CompileFailure for the compiler's trap.
// `observer` (none: nobody) hears what the compile does.
LineHandOver compile_line(records::ScenarioRecords& records, std::optional<std::string_view> text,
                          compiler::CompileObserver* observer = nullptr);

// The kinds of entry of a line text, as people know them: those of
// "[generale]", then those after it.
std::vector<text::EntryInfo> general_entry_kinds();
std::vector<text::EntryInfo> line_entry_kinds();

}  // namespace scenario::line

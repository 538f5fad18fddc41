#include "run/run_compilation.h"

#include <algorithm>

#include "run/run_error_codes.h"

namespace scenario::run {

RunCompilation::RunCompilation(records::ScenarioRecords& records, text::FieldReader& reader,
                               std::int32_t next_board_slot)
    : records(records),
      reader(reader),
      last_cell(static_cast<std::int32_t>(records.cells.size()) - 1),
      next_board_slot(std::min(next_board_slot, records::kFirstBoardTextSlot)) {}

bool RunCompilation::beyond_track(std::int32_t position, std::int32_t margin) {
  if ((static_cast<double>(position) + margin) / 50.0 <= last_cell)
    return false;
  reject_at(kErrorBeyondTrack, position);
  return true;
}

void RunCompilation::reject_at(std::int32_t code, std::int32_t position) {
  records.state.fail_at(code, position, records::SourceText::kRun, row_line);
}

void RunCompilation::reject(std::int32_t code) {
  records.state.fail(code, records::SourceText::kRun, row_line);
}

}  // namespace scenario::run

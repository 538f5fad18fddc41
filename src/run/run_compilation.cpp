#include "run/run_compilation.h"

#include <algorithm>

namespace scenario::run {

RunCompilation::RunCompilation(records::ScenarioRecords& records, text::FieldReader& reader,
                               std::int32_t next_board_slot, compiler::CompileObserver* observer)
    : records(records),
      reader(reader),
      observer(observer),
      last_cell(static_cast<std::int32_t>(records.cells.size()) - 1),
      next_board_slot(std::min(next_board_slot, records::kFirstBoardTextSlot)) {}

bool RunCompilation::beyond_track(std::int32_t position, std::int32_t margin) {
  if (!records::beyond_track(position, margin, last_cell))
    return false;
  records.state.fail_at(compiler::kErrorBeyondTrack, position, records::SourceText::kRun, row_line);
  return true;
}

EntryOutcome RunCompilation::reject_at(std::int32_t code, std::int32_t position) {
  records.state.fail_at(code, position, records::SourceText::kRun, row_line);
  return EntryOutcome::kStop;
}

EntryOutcome RunCompilation::reject(std::int32_t code) {
  records.state.fail(code, records::SourceText::kRun, row_line);
  return EntryOutcome::kStop;
}

}  // namespace scenario::run

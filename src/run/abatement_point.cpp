#include "run/abatement_point.h"

#include "records/track_geometry.h"
#include "run/wrapped_values.h"

namespace scenario::run {

EntryOutcome compile_abatement_row(RunCompilation& run) {
  const std::int32_t position = run.reader.read_int32();
  const std::int32_t speed = run.reader.read_int32();
  if (run.beyond_track(position))
    return EntryOutcome::kEndOfText;
  const std::int64_t c = records::stretch_first_cell(position);
  if (!run.in_cells(c))
    return run.reject_at(compiler::kErrorAbatementOutsideCells, position);
  records::CellRecord& cell = run.records.cells[c];
  if (!records::is_free(cell))
    return run.reject_at(compiler::kErrorAbatementCellTaken, position);
  if (speed > 0) {
    cell.type = records::kAbatementWithSpeed;
    cell.value_a = low16(wrapped(speed));
  } else {
    cell.type = records::kAbatementWithoutSpeed;
  }
  run.placed(c, cell.type);
  return EntryOutcome::kGoOn;
}

}  // namespace scenario::run

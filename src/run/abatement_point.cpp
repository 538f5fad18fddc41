#include "run/abatement_point.h"

#include "run/cell_index.h"
#include "run/run_error_codes.h"
#include "run/wrapped_values.h"

namespace scenario::run {

RowOutcome compile_abatement_row(RunCompilation& run) {
  const std::int32_t position = run.reader.read_int32();
  const std::int32_t speed = run.reader.read_int32();
  if (run.beyond_track(position))
    return RowOutcome::kBeyondTrack;
  const std::int64_t c = cell_index(position / 50.0);
  if (!in_cells(run.records.cells, c)) {
    run.reject_at(kErrorAbatementOutsideCells, position);
    return RowOutcome::kRejected;
  }
  records::CellRecord& cell = run.records.cells[c];
  if (!records::is_free(cell)) {
    run.reject_at(kErrorAbatementCellTaken, position);
    return RowOutcome::kRejected;
  }
  if (speed > 0) {
    cell.type = records::kAbatementWithSpeed;
    cell.value_a = low16(wrapped(speed));
  } else {
    cell.type = records::kAbatementWithoutSpeed;
  }
  return RowOutcome::kContinue;
}

}  // namespace scenario::run

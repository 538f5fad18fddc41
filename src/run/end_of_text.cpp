#include "run/end_of_text.h"

#include "compiler/error_codes.h"
#include "records/track_geometry.h"
#include "run/track_fill.h"

namespace scenario::run {
namespace {

bool kilometric_references_on_cells(const records::HeaderTable& header) {
  for (const int slot :
       {records::kKilometricSlotTre, records::kKilometricSlotDue, records::kKilometricSlotUno}) {
    if (!records::on_cell_grid(header[slot].long_a) || !records::on_cell_grid(header[slot].long_b))
      return false;
  }
  return true;
}

}  // namespace

void finish_run_text(RunCompilation& run) {
  fill_speed_tail(run);
  fill_adhesion_tail(run);
  // The references come from the line text, whose lines are gone by now.
  if (!kilometric_references_on_cells(run.records.header)) {
    run.records.state.fail(compiler::kErrorKilometricReference, records::SourceText::kLine);
  }
}

}  // namespace scenario::run

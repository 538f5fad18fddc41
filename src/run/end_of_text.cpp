#include "run/end_of_text.h"

#include "run/run_error_codes.h"
#include "run/track_fill.h"

namespace scenario::run {
namespace {

bool kilometric_references_on_cells(const records::HeaderTable& header) {
  for (const int slot :
       {records::kKilometricSlotTre, records::kKilometricSlotDue, records::kKilometricSlotUno}) {
    if (header[slot].long_a % 50 != 0 || header[slot].long_b % 50 != 0)
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
    run.records.state.fail(kErrorKilometricReference, records::SourceText::kLine);
  }
}

}  // namespace scenario::run

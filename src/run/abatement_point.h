#pragma once

#include "run/run_compilation.h"

namespace scenario::run {

// An "abbattimento" row: position p, speed w. A speed abatement point in
// cell round(p / 50): type 12 with the speed when w is above 0, else type 13.
// Refused when the cell is taken or would lie before cell 0.
EntryOutcome compile_abatement_row(RunCompilation& run);

}  // namespace scenario::run

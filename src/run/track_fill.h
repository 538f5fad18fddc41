#pragma once

#include "run/run_compilation.h"

namespace scenario::run {

// Speed limits and adhesion along the track. A row gives the value in force
// from its position on: reading it fills the cells before its cell with the
// value carried so far; the end of the text fills the rest of the track.

// A "velocita" row: position, speed in km/h. Cells keep the speed in units
// of 5 km/h.
EntryOutcome compile_speed_row(RunCompilation& run);
// An "aderenza" row: position, value. Cells keep the low 8 bits of the value.
EntryOutcome compile_adhesion_row(RunCompilation& run);

// The end of the text: both values run on to cell N - 3 at least.
void fill_speed_tail(RunCompilation& run);
void fill_adhesion_tail(RunCompilation& run);

}  // namespace scenario::run

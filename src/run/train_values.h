#pragma once

#include "run/run_compilation.h"

namespace scenario::run {

// Rows that give values of the train itself, kept in header slots 84 and 86.

// "percentuale massa frenata": slot 84 `long_a`.
EntryOutcome compile_brake_mass_row(RunCompilation& run);
// "numero vetture": slot 84 `long_c`.
EntryOutcome compile_cars_row(RunCompilation& run);
// "orologio": hours, minutes, seconds into slot 86 `short_c`, `short_d`, `short_e`.
EntryOutcome compile_clock_row(RunCompilation& run);
// "sabbia": slot 86 `short_a`.
EntryOutcome compile_sand_row(RunCompilation& run);

}  // namespace scenario::run

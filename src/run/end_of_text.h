#pragma once

#include "run/run_compilation.h"

namespace scenario::run {

// The steps that close a run text read to its end or stopped by a row
// beyond the track: speed and adhesion run on to the end of the track, and
// the kilometric references of the line are checked (code 2 when a first
// or second value is not a multiple of 50; it replaces any earlier code).
void finish_run_text(RunCompilation& run);

}  // namespace scenario::run

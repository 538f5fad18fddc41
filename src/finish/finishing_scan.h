#pragma once

#include "records/cell_record.h"
#include "records/compile_state.h"

namespace scenario::finish {

// Completes the compiled track with speed abatement points of 180 km/h:
// in front of the signals behind each warning point, in the windows ahead of
// each slow section, along sections slower than 110 km/h and in front of the
// first signal after each section. One forward pass over cells 1 to N - 2;
// every problem is recorded in `state` (the last one found remains) and the
// pass goes on.
void finishing_scan(records::CellArray& cells, records::CompileState& state);

}  // namespace scenario::finish

#pragma once

#include <cstdint>

#include "records/cell_record.h"
#include "records/compile_state.h"

namespace scenario::finish {

// Makes sure that every signal in the 20 cells behind the warning point at
// cell `warning` (down to cell 3) has a point of at most 180 km/h in one of
// the two cells in front of it: a new point in the nearer free cell, else a
// point already there capped to 180, else error 11.
void cover_signals_behind_warning_point(records::CellArray& cells, std::int32_t warning,
                                        records::CompileState& state);

}  // namespace scenario::finish

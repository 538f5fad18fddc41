#pragma once

#include <cstdint>

#include "records/cell_record.h"
#include "records/compile_state.h"

namespace scenario::finish {

// Places a point in each of the three windows ahead of the slow section
// starting at cell `start` (cells start-5 to start-7, start-11 to start-13,
// start-18 to start-20), at the first free cell of the window. A window is
// tried only when all its cells lie at cell 1 or later; one whose three cells
// are all taken records error 12 at the start cell.
void place_window_points(records::CellArray& cells, std::int32_t start,
                         records::CompileState& state);

}  // namespace scenario::finish

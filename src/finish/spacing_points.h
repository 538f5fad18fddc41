#pragma once

#include <cstdint>

#include "records/cell_record.h"
#include "records/compile_state.h"

namespace scenario::finish {

// Places a point every 8 cells along the slow section starting at cell
// `start`, counted from the start or from the last point placed, on the way
// to the section's end cell (see walk_to_section_end), which is returned.
// A taken cell moves its point one cell back, else one cell forward (past
// the end cell, for the last one); when both are taken too, error 13 at that
// cell and no further point along the section.
std::int32_t place_spacing_points(records::CellArray& cells, std::int32_t start,
                                  records::CompileState& state);

}  // namespace scenario::finish

#pragma once

#include <cstdint>
#include <functional>

#include "records/cell_record.h"
#include "records/compile_state.h"

namespace scenario::finish {

// Called for every cell of the walk, before its type is looked at.
using WalkStep = std::function<void(std::int32_t cell)>;

// Walks forward from the cell after `start`, the start cell of a slow
// section, to the section's end cell: the first cell of type 2. Returns that
// cell. The walk never goes past the last cell: when it gets there without
// finding an end cell, it records error 241 at the start cell and returns
// the last cell.
std::int32_t walk_to_section_end(records::CellArray& cells, std::int32_t start,
                                 records::CompileState& state, const WalkStep& at_cell = {});

}  // namespace scenario::finish

#pragma once

#include <cstdint>

#include "records/cell_record.h"
#include "records/compile_state.h"

namespace scenario::finish {

// Places a point in front of the first signal within the 12 cells after the
// end cell `end` of a slow section (the end cell included, never past the
// last cell): in the cell before the signal, else in the one before that,
// else error 13 at the end cell. Without such a signal nothing happens.
void cover_first_signal_after_section(records::CellArray& cells, std::int32_t end,
                                      records::CompileState& state);

}  // namespace scenario::finish

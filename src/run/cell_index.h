#pragma once

#include <cstdint>

#include "records/cell_record.h"
#include "records/rounding.h"

namespace scenario::run {

// The cell a run item at a real cell position goes to: the position rounded
// half to even. Kept 64-bit so that a position far outside the track stays
// a plain number that in_cells() refuses.
inline std::int64_t cell_index(double position_in_cells) {
  return static_cast<std::int64_t>(records::round_half_even(position_in_cells));
}

// Whether `index` names a cell of the array, 0 to N.
inline bool in_cells(const records::CellArray& cells, std::int64_t index) {
  return index >= 0 && index < static_cast<std::int64_t>(cells.size());
}

}  // namespace scenario::run

#include "finish/section_end_walk.h"

#include "finish/abatement_points.h"
#include "finish/finish_errors.h"

namespace scenario::finish {

std::int32_t walk_to_section_end(records::CellArray& cells, std::int32_t start,
                                 records::CompileState& state, const WalkStep& at_cell) {
  const std::int32_t last = last_cell(cells);
  for (std::int32_t cell = start + 1; cell <= last; ++cell) {
    if (at_cell) {
      at_cell(cell);
    }
    if (cells[cell].type == records::kSlowEnd) {
      return cell;
    }
  }
  // Happens when a slow order is so short that its start cell has replaced
  // its end cell and no later section follows.
  state.fail_at(kErrorSectionEndMissing, error_position(start));
  return last;
}

}  // namespace scenario::finish

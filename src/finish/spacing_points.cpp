#include "finish/spacing_points.h"

#include "finish/abatement_points.h"
#include "finish/finish_errors.h"
#include "finish/section_end_walk.h"

namespace scenario::finish {
namespace {

constexpr std::int32_t kSpacing = 8;

}  // namespace

std::int32_t place_spacing_points(records::CellArray& cells, std::int32_t start,
                                  records::CompileState& state) {
  // Cells walked since the last point, the cell of that point being 0.
  std::int32_t walked = 0;
  return walk_to_section_end(cells, start, state, [&](std::int32_t cell) {
    ++walked;
    if (walked != kSpacing) {
      return;
    }
    if (place_point_if_free(cells, cell)) {
      walked = 0;
    } else if (place_point_if_free(cells, cell - 1)) {
      walked = 1;
    } else if (place_point_if_free(cells, cell + 1)) {
      walked = -1;
    } else {
      // The count goes on past 8 and never meets it again.
      state.fail_at(kErrorNoRoomForPoint, error_position(cell));
    }
  });
}

}  // namespace scenario::finish

#include "finish/signal_after_section.h"

#include <algorithm>

#include "finish/abatement_points.h"
#include "finish/finish_errors.h"

namespace scenario::finish {
namespace {

constexpr std::int32_t kCellsLookedAhead = 12;

}  // namespace

void cover_first_signal_after_section(records::CellArray& cells, std::int32_t end,
                                      records::CompileState& state) {
  const std::int32_t last = std::min(end + kCellsLookedAhead, last_cell(cells));
  for (std::int32_t cell = end; cell <= last; ++cell) {
    if (cells[cell].type != records::kSignal) {
      continue;
    }
    if (!place_point_if_free(cells, cell - 1) && !place_point_if_free(cells, cell - 2)) {
      state.fail_at(kErrorNoRoomForPoint, error_position(end));
    }
    return;
  }
}

}  // namespace scenario::finish

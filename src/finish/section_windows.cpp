#include "finish/section_windows.h"

#include "finish/abatement_points.h"
#include "finish/finish_errors.h"

namespace scenario::finish {
namespace {

// Cells before the start, nearest first.
struct Window {
  std::int32_t nearest;
  std::int32_t farthest;
};
constexpr Window kWindows[] = {{5, 7}, {11, 13}, {18, 20}};

}  // namespace

void place_window_points(records::CellArray& cells, std::int32_t start,
                         records::CompileState& state) {
  for (const Window& window : kWindows) {
    if (start <= window.farthest) {
      continue;
    }
    bool placed = false;
    for (std::int32_t back = window.nearest; back <= window.farthest && !placed; ++back) {
      placed = place_point_if_free(cells, start - back);
    }
    if (!placed) {
      state.fail_at(kErrorWindowTaken, error_position(start));
    }
  }
}

}  // namespace scenario::finish

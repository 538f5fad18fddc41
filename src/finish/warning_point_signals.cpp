#include "finish/warning_point_signals.h"

#include "finish/abatement_points.h"
#include "finish/finish_errors.h"

namespace scenario::finish {
namespace {

constexpr std::int32_t kCellsLookedBack = 20;
constexpr std::int32_t kLowestSignalCell = 3;

void cover_signal(records::CellArray& cells, std::int32_t signal, records::CompileState& state) {
  // A free cell is preferred to an existing point, even when the point lies
  // nearer the signal.
  if (place_point_if_free(cells, signal - 1) || place_point_if_free(cells, signal - 2) ||
      cap_point_if_present(cells, signal - 1) || cap_point_if_present(cells, signal - 2)) {
    return;
  }
  state.fail_at(kErrorSignalNotCovered, error_position(signal));
}

}  // namespace

void cover_signals_behind_warning_point(records::CellArray& cells, std::int32_t warning,
                                        records::CompileState& state) {
  for (std::int32_t back = 1; back <= kCellsLookedBack; ++back) {
    const std::int32_t cell = warning - back;
    if (cell < kLowestSignalCell) {
      return;
    }
    if (cells[cell].type == records::kSignal) {
      cover_signal(cells, cell, state);
    }
  }
}

}  // namespace scenario::finish

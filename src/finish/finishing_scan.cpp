#include "finish/finishing_scan.h"

#include "finish/abatement_points.h"
#include "finish/section_end_walk.h"
#include "finish/section_windows.h"
#include "finish/signal_after_section.h"
#include "finish/spacing_points.h"
#include "finish/warning_point_signals.h"

namespace scenario::finish {
namespace {

// Sections slower than this get points along them.
constexpr std::int16_t kSpacedBelowSpeed = 110;

void finish_slow_section(records::CellArray& cells, std::int32_t start,
                         records::CompileState& state) {
  place_window_points(cells, start, state);
  const std::int32_t end = cells[start].value_a < kSpacedBelowSpeed
                               ? place_spacing_points(cells, start, state)
                               : walk_to_section_end(cells, start, state);
  cover_first_signal_after_section(cells, end, state);
}

}  // namespace

void finishing_scan(records::CellArray& cells, records::CompileState& state) {
  const std::int32_t last_scanned = last_cell(cells) - 2;
  for (std::int32_t cell = 1; cell <= last_scanned; ++cell) {
    if (cells[cell].type == records::kWarningPoint) {
      cover_signals_behind_warning_point(cells, cell, state);
    }
    if (cells[cell].type == records::kSlowStart) {
      finish_slow_section(cells, cell, state);
    }
  }
}

}  // namespace scenario::finish

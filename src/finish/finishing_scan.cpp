#include "finish/finishing_scan.h"

#include <algorithm>

#include "compiler/error_codes.h"
#include "records/track_geometry.h"

namespace scenario::finish {
namespace {

using records::CellArray;
using records::CompileState;

// Sections slower than this get points along them.
constexpr std::int16_t kSpacedBelowSpeed = 110;
// Step A: cells looked back from a warning point, and the lowest signal cell.
constexpr std::int32_t kCellsLookedBack = 20;
constexpr std::int32_t kLowestSignalCell = 3;
// Step B1: the three windows, cells before the start, nearest first.
struct Window {
  std::int32_t nearest;
  std::int32_t farthest;
};
constexpr Window kWindows[] = {{5, 7}, {11, 13}, {18, 20}};
// Step B2: cells between points along a section.
constexpr std::int32_t kSpacing = 8;
// Step B4: cells looked ahead from a section's end for a signal.
constexpr std::int32_t kCellsLookedAhead = 12;

// The pass over one cell array: the cells, the compile state that takes its
// codes, who hears of the points placed, and the cell being handled (a
// warning point or a slow-section start), for whose sake points are placed.
struct Scan {
  CellArray& cells;
  CompileState& state;
  compiler::CompileObserver* observer;
  std::int32_t handling = -1;

  std::int32_t last_cell() const { return static_cast<std::int32_t>(cells.size()) - 1; }

  void fail_at_cell(std::int32_t code, std::int32_t cell) {
    state.fail_at(code, static_cast<std::int32_t>(records::cell_start_metre(cell)));
  }

  // Places a point of 180 km/h at cell `k` when that cell exists and is
  // free; says whether it did.
  bool place_point_if_free(std::int32_t k) {
    if (k < 0 || k > last_cell() || !records::is_free(cells[k]))
      return false;
    cells[k].type = records::kAbatementWithSpeed;
    cells[k].value_a = kPointSpeed;
    if (observer != nullptr)
      observer->placed(k, records::kAbatementWithSpeed, handling);
    return true;
  }

  // Lowers the point at cell `k` to 180 when it is faster, when cell `k`
  // holds a point; says whether it does.
  bool cap_point_if_present(std::int32_t k) {
    if (k < 0 || k > last_cell() || cells[k].type != records::kAbatementWithSpeed)
      return false;
    cells[k].value_a = static_cast<std::int16_t>(minimo(kPointSpeed, cells[k].value_a));
    return true;
  }
};

// Step A for the warning point at cell `warning`.
void cover_signals_behind_warning_point(Scan& scan, std::int32_t warning) {
  CellArray& cells = scan.cells;
  for (std::int32_t back = 1; back <= kCellsLookedBack; ++back) {
    const std::int32_t signal = warning - back;
    if (signal < kLowestSignalCell)
      return;
    if (cells[signal].type != records::kSignal)
      continue;
    // A free cell is preferred to an existing point, even when the point
    // lies nearer the signal.
    if (!scan.place_point_if_free(signal - 1) && !scan.place_point_if_free(signal - 2) &&
        !scan.cap_point_if_present(signal - 1) && !scan.cap_point_if_present(signal - 2)) {
      scan.fail_at_cell(compiler::kErrorSignalNotCovered, signal);
    }
  }
}

// Step B1.
void place_window_points(Scan& scan, std::int32_t start) {
  for (const Window& window : kWindows) {
    if (start <= window.farthest)
      continue;
    bool placed = false;
    for (std::int32_t back = window.nearest; back <= window.farthest && !placed; ++back)
      placed = scan.place_point_if_free(start - back);
    if (!placed)
      scan.fail_at_cell(compiler::kErrorWindowTaken, start);
  }
}

// Steps B2 and B3: walks from the cell after `start` to the section's end
// cell, the first of type 2, and returns it; with `spaced`, places the
// points along the way. The walk never goes past the last cell: without an
// end cell (a slow order so short that its start replaced its end, and no
// later section) it records kErrorSectionEndMissing at the start and
// returns the last cell.
std::int32_t walk_section(Scan& scan, std::int32_t start, bool spaced) {
  // Cells walked since the last point, the cell of that point being 0.
  std::int32_t walked = 0;
  for (std::int32_t cell = start + 1; cell <= scan.last_cell(); ++cell) {
    if (spaced && ++walked == kSpacing) {
      if (scan.place_point_if_free(cell)) {
        walked = 0;
      } else if (scan.place_point_if_free(cell - 1)) {
        walked = 1;
      } else if (scan.place_point_if_free(cell + 1)) {
        walked = -1;
      } else {
        // The count goes on past 8 and never meets it again.
        scan.fail_at_cell(compiler::kErrorNoRoomForPoint, cell);
      }
    }
    if (scan.cells[cell].type == records::kSlowEnd)
      return cell;
  }
  scan.fail_at_cell(compiler::kErrorSectionEndMissing, start);
  return scan.last_cell();
}

// Step B4.
void cover_first_signal_after_section(Scan& scan, std::int32_t end) {
  const std::int32_t last = std::min(end + kCellsLookedAhead, scan.last_cell());
  for (std::int32_t cell = end; cell <= last; ++cell) {
    if (scan.cells[cell].type != records::kSignal)
      continue;
    if (!scan.place_point_if_free(cell - 1) && !scan.place_point_if_free(cell - 2))
      scan.fail_at_cell(compiler::kErrorNoRoomForPoint, end);
    return;
  }
}

}  // namespace

void finishing_scan(CellArray& cells, CompileState& state, compiler::CompileObserver* observer) {
  Scan scan{cells, state, observer};
  const std::int32_t last_scanned = scan.last_cell() - 2;
  for (std::int32_t cell = 1; cell <= last_scanned; ++cell) {
    scan.handling = cell;
    if (cells[cell].type == records::kWarningPoint)
      cover_signals_behind_warning_point(scan, cell);
    if (cells[cell].type == records::kSlowStart) {
      place_window_points(scan, cell);
      const bool spaced = cells[cell].value_a < kSpacedBelowSpeed;
      const std::int32_t end = walk_section(scan, cell, spaced);
      cover_first_signal_after_section(scan, end);
    }
  }
}

}  // namespace scenario::finish

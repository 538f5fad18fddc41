#pragma once

#include <cstdint>

#include "records/rounding.h"

namespace scenario::records {

// The grid the cell array lays over the track. Positions are whole metres
// from the start of the line; one cell stands for 50 m, and the cells reach
// 7000 m beyond the end of the line so that a train can run on past it.
// Every compiler, the finishing pass and the tools take the grid from here.

inline constexpr std::int32_t kMetresPerCell = 50;
inline constexpr std::int32_t kTrackBeyondLine = 7000;

// The margin of the range test of every item row: a row at p lies beyond
// the track when (p + 100) / 50 exceeds N.
inline constexpr std::int32_t kItemRangeMargin = 100;

// N, the last cell index for a line of `length` metres:
// round((length + 7000) / 50), halves to even.
inline std::int32_t last_cell_index(std::int32_t length) {
  return static_cast<std::int32_t>(
      round_half_even((static_cast<double>(length) + kTrackBeyondLine) / kMetresPerCell));
}

// The last metre of the plan array of a line of `length` metres.
constexpr std::int32_t last_plan_metre(std::int32_t length) {
  return length + kTrackBeyondLine;
}

// A position in cells: metres / 50, a real division. The cell formulas
// below round it, after adding their offset, half to even.
inline double in_cells(double metres) {
  return metres / kMetresPerCell;
}

// The cell a real position in cells falls into. 64 bits, so that a position
// far off the track stays a plain number that a bounds test refuses.
inline std::int64_t rounded_cell(double position_in_cells) {
  return static_cast<std::int64_t>(round_half_even(position_in_cells));
}

// The cell of an item at `metres` (a signal, a board, a slow-section start,
// end or warning point): round(metres / 50 + 1).
inline std::int64_t item_cell(double metres) {
  return rounded_cell(in_cells(metres) + 1);
}

// The first cell of a stretch that starts at `metres` (a gradient, a terrain
// stretch, a speed or adhesion row, an abatement point): round(metres / 50).
inline std::int64_t stretch_first_cell(double metres) {
  return rounded_cell(in_cells(metres));
}

// The last cell of a stretch that ends at `metres` (a terrain stretch, a
// station area's stop cell): round(metres / 50 - 1).
inline std::int64_t stretch_last_cell(double metres) {
  return rounded_cell(in_cells(metres) - 1);
}

// The range test: a row whose position plus `margin` metres, over 50, is
// above N lies beyond the track.
inline bool beyond_track(std::int32_t position, std::int32_t margin, std::int32_t last_cell) {
  return (static_cast<double>(position) + margin) / kMetresPerCell > last_cell;
}

// Whether `metres` lies on the grid: a whole number of cells from the start.
constexpr bool on_cell_grid(std::int64_t metres) {
  return metres % kMetresPerCell == 0;
}

// The metre at which cell `cell` begins, as the finishing pass reports a
// cell and the tools show it.
constexpr std::int64_t cell_start_metre(std::int64_t cell) {
  return cell * kMetresPerCell;
}

// The position on the grid of an item that stands in cell `cell`: the x
// with round(x / 50 + 1) = cell and x a multiple of 50.
constexpr std::int64_t item_position(std::int64_t cell) {
  return (cell - 1) * kMetresPerCell;
}

}  // namespace scenario::records

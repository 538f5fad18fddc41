#pragma once

#include <cstdint>

#include "compiler/compile_observer.h"
#include "records/cell_record.h"
#include "records/compile_state.h"

namespace scenario::finish {

// Speed of every point the finishing scan places, and the cap it puts on
// points already there.
inline constexpr std::int16_t kPointSpeed = 180;

// The smaller of two values: `x` when `x` is not greater than `y`, else `y`.
constexpr std::int32_t minimo(std::int32_t x, std::int32_t y) {
  return x <= y ? x : y;
}

// Completes the compiled track with speed abatement points of 180 km/h, in
// one forward pass over cells 1 to N - 2, each cell i looked at twice:
//
// A. i is a warning point (type 4): every signal in the 20 cells behind it,
//    down to cell 3, gets a point of at most 180 km/h in one of the two
//    cells in front of it: a new point in the nearer free cell, else a point
//    already there capped to 180; else error 11 at the signal.
// B. i is the start of a slow section (type 3):
//    B1. a point at the first free cell of each of the windows i-5..i-7,
//        i-11..i-13 and i-18..i-20 (those that lie at cell 1 or later);
//        error 12 at the start for a window whose three cells are taken;
//    B2. for a section slower than 110 km/h, a point every 8 cells on the
//        way to its end, counted from the start or from the last point; a
//        taken cell moves its point one cell back, else one forward (past
//        the end cell, for the last one); with both taken too, error 13 at
//        that cell and no further point along the section;
//    B3. the end cell is the first cell of type 2 after the start; a walk
//        that reaches N without one stops there (kErrorSectionEndMissing at the start);
//    B4. the first signal within the 12 cells from the end cell on gets a
//        point in the cell before it, else in the one before that, else
//        error 13 at the end cell.
// Every problem is recorded in `state` (the last one found remains) and the
// pass goes on. Positions are a cell index times 50. `observer` (none:
// nobody) hears of every point placed.
void finishing_scan(records::CellArray& cells, records::CompileState& state,
                    compiler::CompileObserver* observer = nullptr);

}  // namespace scenario::finish

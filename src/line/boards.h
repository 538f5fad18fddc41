#pragma once

#include <cstdint>

#include "line/line_compilation.h"

namespace scenario::line {

// The values of one "indicatori_vmax" entry: the speeds of ranks A, B and C
// in km/h and the stripes, left ("s") and right ("d"); 0 for a side
// without a board.
struct SpeedIndicatorValues {
  std::int32_t vas = 0;
  std::int32_t vbs = 0;
  std::int32_t vcs = 0;
  std::int16_t strisces = 0;
  std::int32_t vad = 0;
  std::int32_t vbd = 0;
  std::int32_t vcd = 0;
  std::int16_t strisced = 0;
};

// Places a speed-indicator board at `posizione` on the free cell
// round(posizione / 50 + 1), which must exist: type 6, each rank packed as
// round(left × 20 + right / 5), stripes as left × 10 + right. On a cell that
// is not free it records error 21 and writes nothing. Throws
// text::CompileFailure when a packed value does not fit 16 bits.
void memo_indicatori_v_max(LineCompilation& line, std::int32_t posizione,
                           const SpeedIndicatorValues& values);

// An "indicatori_vmax" entry: position, then the left and right side.
EntryOutcome compile_speed_indicator(LineCompilation& line);

// A "cartello_indicatore" entry (position, text): a sign board whose text
// takes the next header slot from 80 downward.
EntryOutcome compile_sign_board(LineCompilation& line);

}  // namespace scenario::line

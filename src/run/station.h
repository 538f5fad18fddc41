#pragma once

#include <cstdint>

#include "run/run_compilation.h"

namespace scenario::run {

// Station kinds from here on get no station stop cell: the train is not
// held there.
inline constexpr std::int32_t kFirstKindWithoutStop = 25;

// A "stazione" row: one station record in the next station slot of the
// header table (position, kind, area, flags, codes, departure time, name)
// and, for kinds below 25, its station stop cell and approach markers.
// Refused (compiler/error_codes.h) for a position off the 50 m grid, a
// length not a multiple of 100, an area too close to the previous one or
// ending at 100 m or before, station slots that reach the sign-board
// texts, and a station stop cell beyond cell N.
EntryOutcome compile_station_row(RunCompilation& run);

}  // namespace scenario::run

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
// Codes: 8 position not a multiple of 50; 9 length not a multiple of 100;
// 22 too close to the previous station; 24 area ending at 100 m or before;
// 10 the station slots have reached the sign-board texts; 223 the station
// stop cell would lie beyond cell N.
EntryOutcome compile_station_row(RunCompilation& run);

}  // namespace scenario::run

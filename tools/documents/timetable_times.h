#pragma once

#include <vector>

#include "docs/timetable_row.h"
#include "tools/documents/run_facts.h"

namespace scenario::tools {

// The "Orario" cell of every station row of the run, in the forms of the
// installer's train sheet, by these rules (a row gives a time when its
// hours, minutes and seconds are not all 0; its arrival is that time less
// its dwell):
//   - the first station: its departure, at the left (none without a time);
//   - the last station: its arrival, at the left (none without a time);
//   - a time given, kind below 25 (the train stops): arrival and departure;
//   - a time given, kind 25 or above (no stop cell, as the service stop at
//     p.c. precedenze): the arrival alone, in the middle;
//   - no time, kind 25 (a junction, as BIVIO CAMPORA): none;
//   - no time, any other kind: a passing time in the middle, interpolated
//     by distance between the departure of the nearest station before it
//     and the arrival of the nearest station after it that give a time, and
//     rounded to the minute (none when either is missing).
// Times are seconds of the day; run_time_of_day brings each into one day.
std::vector<docs::TimeCell> timetable_times(const std::vector<RunStation>& stations);

// A time of the run as a time of the day, 0 to 86399 seconds: times past
// midnight (24:10:00) and before it (a dwell longer than the time) wrap.
int run_time_of_day(std::int64_t seconds);

}  // namespace scenario::tools

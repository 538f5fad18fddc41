#include "tools/documents/timetable_times.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

namespace scenario::tools {
namespace {

using docs::clock_time;
using Form = docs::TimeCell::Form;

RunStation station(std::int32_t position, std::uint8_t kind, int dwell, std::int32_t time) {
  return {.position = position,
          .kind = kind,
          .area_start = position - 200,
          .area_end = position + 200,
          .dwell = dwell,
          .time = time,
          .name = "S"};
}

// The cell as the sheet prints it.
std::vector<std::string> printed(const std::vector<RunStation>& stations) {
  std::vector<std::string> cells;
  for (const docs::TimeCell& cell : timetable_times(stations))
    cells.push_back(docs::time_cell(cell));
  return cells;
}

TEST(TimetableTimes, EachKindOfStationRowHasTheFormOfTheInstallersSheet) {
  const std::vector<RunStation> run = {
      station(0, 8, 0, clock_time(8, 0)),            // first: its departure
      station(2000, 12, 45, clock_time(8, 3, 30)),   // a stop: arrival and departure
      station(4000, 27, 0, 0),                       // passing: interpolated
      station(6000, 25, 0, 0),                       // a junction: none
      station(8000, 26, 30, clock_time(8, 9)),       // a service stop: its arrival alone
      station(9000, 12, 0, 0),                       // no time on a stop kind: passing
      station(10000, 27, 0, clock_time(8, 11, 40)),  // a time given without a stop
      station(12000, 12, 0, clock_time(8, 14)),      // a stop without dwell
      station(14000, 2, 20, clock_time(8, 17, 20)),  // last: its arrival
  };
  EXPECT_EQ(printed(run), (std::vector<std::string>{
                              "08.00           ",
                              "08.02+    08.03+",
                              "      08.05     ",
                              "                ",
                              "      08.08+    ",
                              "      08.10     ",
                              "      08.11+    ",
                              "08.14      08.14",
                              "08.17           ",
                          }));
}

TEST(TimetableTimes, PassingTimesAreInterpolatedByDistanceToTheNearestMinute) {
  // From the departure at 2000 (10:00:00) to the arrival at 8000
  // (10:06:30 less 30 s of dwell): 360 s over 6000 m, 0.06 s a metre.
  struct Case {
    std::int32_t position;
    const char* expected;
  };
  const Case cases[] = {
      {2050, "      10.00     "},  // 3 s on
      {2499, "      10.00     "},  // 29.94 s
      {2500, "      10.01     "},  // 30 s: the half minute goes up
      {4000, "      10.02     "},  // 120 s
      {5250, "      10.03     "},  // 195 s
      {7900, "      10.06     "},  // 354 s
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.position);
    const std::vector<RunStation> run = {
        station(0, 8, 0, clock_time(9, 58)), station(2000, 12, 30, clock_time(10, 0)),
        station(c.position, 27, 0, 0), station(8000, 12, 30, clock_time(10, 6, 30)),
        station(9000, 2, 0, clock_time(10, 8))};
    EXPECT_EQ(printed(run)[2], c.expected);
  }
}

TEST(TimetableTimes, APassingTimeNeedsATimeOnBothSides) {
  const std::vector<RunStation> no_time_before = {station(0, 8, 0, 0), station(2000, 27, 0, 0),
                                                  station(4000, 2, 0, clock_time(9, 0))};
  EXPECT_EQ(printed(no_time_before),
            (std::vector<std::string>{"                ", "                ", "09.00           "}));
  const std::vector<RunStation> no_time_after = {station(0, 8, 0, clock_time(9, 0)),
                                                 station(2000, 27, 0, 0), station(4000, 2, 0, 0)};
  EXPECT_EQ(printed(no_time_after),
            (std::vector<std::string>{"09.00           ", "                ", "                "}));
}

TEST(TimetableTimes, ARunPastMidnightWrapsIntoTheNextDay) {
  // The time after midnight written on (24:05) or from 0 (00:05).
  for (const std::int32_t after_midnight : {clock_time(24, 5), clock_time(0, 5)}) {
    SCOPED_TRACE(after_midnight);
    const std::vector<RunStation> run = {
        station(0, 8, 0, clock_time(23, 58)),
        station(3000, 27, 0, 0),  // halfway from 23:58 to 00:04
        station(6000, 12, 60, after_midnight),
        station(9000, 2, 0, clock_time(0, 9, 30)),
    };
    EXPECT_EQ(printed(run), (std::vector<std::string>{"23.58           ", "      00.01     ",
                                                      "00.04      00.05", "00.09+          "}));
  }
  // A dwell longer than the time since midnight.
  EXPECT_EQ(
      printed({station(0, 8, 0, clock_time(0, 0, 10)), station(2000, 2, 40, clock_time(0, 0, 20))})
          .back(),
      "23.59+          ");
}

TEST(TimetableTimes, ASingleStationIsItsDeparture) {
  EXPECT_EQ(printed({station(0, 8, 0, clock_time(6, 30))}),
            (std::vector<std::string>{"06.30           "}));
}

}  // namespace
}  // namespace scenario::tools

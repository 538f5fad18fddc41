#include "docs/timetable_row.h"

#include <gtest/gtest.h>

#include <stdexcept>

namespace scenario::docs {
namespace {

TEST(TimetableRow, TimesAreShownToTheHalfMinute) {
  const std::pair<int, const char*> kCases[] = {
      {clock_time(0, 0), "00.00"},        {clock_time(21, 55), "21.55"},
      {clock_time(22, 17, 10), "22.17"},  {clock_time(22, 17, 29), "22.17"},
      {clock_time(22, 26, 30), "22.26+"}, {clock_time(22, 26, 59), "22.26+"},
      {clock_time(23, 59, 59), "23.59+"},
  };
  for (const auto& [time, expected] : kCases)
    EXPECT_EQ(sheet_time(time), expected) << time;
  EXPECT_THROW(sheet_time(-1), std::logic_error);
  EXPECT_THROW(sheet_time(clock_time(24, 0)), std::logic_error);
}

TEST(TimetableRow, TheTimeCellKeepsItsWidthWithOrWithoutPlus) {
  const std::pair<TimeCell, const char*> kCases[] = {
      {TimeCell{}, "                "},
      {departs(clock_time(21, 55)), "21.55           "},
      {arrives(clock_time(23, 26, 30)), "23.26+          "},
      {stops(clock_time(22, 18), 50), "22.17      22.18"},
      {stops(clock_time(22, 27), 30), "22.26+     22.27"},
      {stops(clock_time(22, 54, 30), 30), "22.54     22.54+"},
      {stops(clock_time(22, 54, 30), 0), "22.54+    22.54+"},
      {passes(clock_time(22, 4)), "      22.04     "},
      {passes(clock_time(22, 4, 30)), "      22.04+    "},
  };
  for (const auto& [cell, expected] : kCases)
    EXPECT_EQ(time_cell(cell), expected);
}

TEST(TimetableRow, CellsStandBetweenTheColumnBars) {
  const std::pair<TimetableRow, const char*> kCases[] = {
      {{30, 30, 0, "VELBRIO S.M.N.", departs(clock_time(21, 55))},
       " |  30 |  30 |     0    |  30 |VELBRIO S.M.N.              |21.55           |     |"},
      {{115, 105, 1000, "deviatoio uscita", {}},
       " | 115 | 105 |    1.000 | 105 |deviatoio uscita            |                |     |"},
      {{160, 0, 72600, "imbocco gall. POGGIO NERO", {}},
       " | 160 |     |   72.600 |     |imbocco gall. POGGIO NERO   |                |     |"},
      {{0, 0, std::nullopt, "TERME DI VALDERNO", {}},
       " |     |     |          |     |TERME DI VALDERNO           |                |     |"},
  };
  for (const auto& [row, expected] : kCases)
    EXPECT_EQ(timetable_row(row), expected);
  EXPECT_THROW(timetable_row({0, 0, 1000, "A NAME LONGER THAN ITS CELL IS", {}}), std::logic_error);
}

}  // namespace
}  // namespace scenario::docs

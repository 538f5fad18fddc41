#include "run/track_fill.h"

#include <gtest/gtest.h>

#include <string>

#include "run_test_support.h"

namespace scenario::run {
namespace {

using records::ScenarioRecords;

ScenarioRecords compiled(const std::string& rows) {
  ScenarioRecords records = line_records();
  compile_text(records, "[generale]\r\n" + rows);
  return records;
}

std::vector<int> speeds(const ScenarioRecords& records, int from, int to) {
  std::vector<int> found;
  for (int i = from; i <= to; ++i)
    found.push_back(records.cells[i].speed_limit);
  return found;
}

std::vector<int> adhesions(const ScenarioRecords& records, int from, int to) {
  std::vector<int> found;
  for (int i = from; i <= to; ++i)
    found.push_back(records.cells[i].adhesion);
  return found;
}

TEST(TrackFill, EachRowHoldsFromItsCellOnInUnitsOf5) {
  const ScenarioRecords records =
      compiled("velocita, 0, 30\r\nvelocita, 150, 62\r\nvelocita, 275, 113\r\n");
  // Cells below round(150 / 50) = 3 get 30 km/h; 62 km/h is 12.4 units, 12;
  // round(275 / 50) = round(5.5) = 6; 113 km/h is 22.6 units, 23.
  EXPECT_EQ(speeds(records, 0, 7), (std::vector<int>{6, 6, 6, 12, 12, 12, 23, 23}));
}

TEST(TrackFill, APositionHalfwayBetweenCellsRoundsToEven) {
  // round(125 / 50) = round(2.5) = 2; round(175 / 50) = round(3.5) = 4.
  EXPECT_EQ(speeds(compiled("velocita, 0, 30\r\nvelocita, 125, 60\r\n"), 0, 4),
            (std::vector<int>{6, 6, 12, 12, 12}));
  EXPECT_EQ(speeds(compiled("velocita, 0, 30\r\nvelocita, 175, 60\r\n"), 0, 4),
            (std::vector<int>{6, 6, 6, 6, 12}));
}

TEST(TrackFill, ARowAtOrBeforeThePreviousOneStillFillsOneCell) {
  const ScenarioRecords records = compiled(
      "velocita, 0, 30\r\nvelocita, 200, 60\r\nvelocita, 200, 90\r\nvelocita, 100, 120\r\n");
  // 30 to cells 0-3; the second row at 200 gives 60 to cell 4; the row at 100
  // gives 90 to cell 5; 120 from cell 6 on.
  EXPECT_EQ(speeds(records, 0, 7), (std::vector<int>{6, 6, 6, 6, 12, 18, 24, 24}));
}

TEST(TrackFill, TheFirstRowHoldsFromTheStartOfTheTrack) {
  const ScenarioRecords records = compiled("velocita, 500, 60\r\naderenza, 250, 80\r\n");
  EXPECT_EQ(speeds(records, 0, 10), std::vector<int>(11, 12));
  EXPECT_EQ(adhesions(records, 0, 5), std::vector<int>(6, 80));
}

TEST(TrackFill, AdhesionKeepsTheLow8BitsWithoutDivision) {
  const ScenarioRecords records = compiled("aderenza, 0, 75\r\naderenza, 100, 300\r\n");
  EXPECT_EQ(adhesions(records, 0, 3), (std::vector<int>{75, 75, 44, 44}));
}

TEST(TrackFill, TheTailRunsToNMinus3AndLeavesTheLastThreeCells) {
  const ScenarioRecords records = compiled("velocita, 0, 100\r\naderenza, 0, 90\r\n");
  const int n = kBuiltInLastCell;
  EXPECT_EQ(speeds(records, n - 4, n), (std::vector<int>{20, 20, 0, 0, 0}));
  EXPECT_EQ(adhesions(records, n - 4, n), (std::vector<int>{90, 90, 0, 0, 0}));
}

TEST(TrackFill, ManyRowsAtOnePositionNearTheEndStopAtTheLastCell) {
  // The last position the track accepts: (103900 + 100) / 50 = 2080. Each
  // row there moves the cursor one cell on, but never past cell N - 1; the
  // tail then gives cell N the last value once.
  for (const char* keyword : {"velocita", "aderenza"}) {
    std::string rows = std::string(keyword) + ", 0, 50\r\n";
    for (int i = 0; i < 10; ++i)
      rows += std::string(keyword) + ", 103900, 60\r\n";
    const ScenarioRecords records = compiled(rows);
    EXPECT_EQ(records.state.error_code, 0) << keyword;
    EXPECT_EQ(records.cells.size(), static_cast<std::size_t>(kBuiltInLastCell + 1));
    const int n = kBuiltInLastCell;
    if (std::string(keyword) == "velocita") {
      EXPECT_EQ(speeds(records, n - 3, n), (std::vector<int>{10, 12, 12, 12}));
    } else {
      EXPECT_EQ(adhesions(records, n - 3, n), (std::vector<int>{50, 60, 60, 60}));
    }
  }
}

TEST(TrackFill, WithoutACellArrayNothingIsWritten) {
  ScenarioRecords records;
  compile_text(records, "[generale]\r\nvelocita, -1000, 60\r\naderenza, -500, 80\r\n");
  EXPECT_TRUE(records.cells.empty());
  EXPECT_EQ(records.state.error_code, 0);
}

}  // namespace
}  // namespace scenario::run

#include "run/memo_segnale.h"

#include <gtest/gtest.h>

#include "compiler/error_codes.h"
#include "run_test_support.h"

namespace scenario::run {
namespace {

using namespace compiler;

using records::CellArray;
using records::CellRecord;

TEST(MemoSegnale, PlacesTheSignalAndItsApproachMarkers) {
  CellArray cells = free_cells();
  cells[296].approach = 7;                // overwritten
  cells[298].type = records::kSignBoard;  // markers go on whatever the cell holds
  SignalRow row{.sx = 2,
                .s1 = 2,
                .s2 = 3,
                .s3 = 0,
                .rapp = 1,
                .dx = 2,
                .d1 = 2,
                .d2 = 1,
                .d3 = 0,
                .tempo = 230};
  ASSERT_EQ(memo_segnale(cells, 15150, row), 0);
  const CellRecord& c = cells[304];
  EXPECT_EQ(c.type, records::kSignal);
  EXPECT_EQ(c.value_a, 22);
  EXPECT_EQ(c.value_b, 31);
  EXPECT_EQ(c.value_c, 0);
  EXPECT_EQ(c.value_d, 18);
  EXPECT_EQ(c.tempo, 230);
  EXPECT_EQ(cells[302].approach, 81);
  EXPECT_EQ(cells[300].approach, 82);
  EXPECT_EQ(cells[298].approach, 83);
  EXPECT_EQ(cells[298].type, records::kSignBoard);
  EXPECT_EQ(cells[296].approach, 84);
  for (int i : {295, 297, 299, 301, 303, 305})
    EXPECT_EQ(cells[i].approach, 0) << i;
}

TEST(MemoSegnale, ATimeOfOneToHundredBecomes101AndOnlyAMainSignalKeepsIt) {
  const struct {
    std::int32_t sx, tempo, raised, in_cell;
  } cases[] = {
      {2, 50, 101, 101}, {1, 50, 101, 0},  {2, 1, 101, 101},   {2, 100, 101, 101},
      {2, 0, 0, 0},      {2, -5, -5, 251}, {2, 101, 101, 101}, {2, 300, 300, 44},
  };
  for (const auto& c : cases) {
    CellArray cells = free_cells();
    SignalRow row{.sx = c.sx, .tempo = c.tempo};
    ASSERT_EQ(memo_segnale(cells, 5000, row), 0);
    EXPECT_EQ(row.tempo, c.raised) << c.sx << " " << c.tempo;
    EXPECT_EQ(cells[101].tempo, c.in_cell) << c.sx << " " << c.tempo;
  }
}

TEST(MemoSegnale, CellValuesKeepTheLow16Bits) {
  CellArray cells = free_cells();
  SignalRow row{.sx = 1, .s1 = 7000, .rapp = 3277, .dx = 0, .d1 = 5};
  ASSERT_EQ(memo_segnale(cells, 5000, row), 0);
  EXPECT_EQ(cells[101].value_a, 4469);    // 70005 - 65536
  EXPECT_EQ(cells[101].value_d, -32763);  // 32773 - 65536
  EXPECT_EQ(cells[99].approach, 31);      // (1 * 3 + 0) * 10 + 1
}

TEST(MemoSegnale, ATakenCellGetsNothing) {
  for (std::uint8_t type :
       {records::kSignal, records::kStationStop, records::kSignBoard, records::kSpeedIndicator}) {
    CellArray cells = free_cells();
    cells[101].type = type;
    const CellArray before = cells;
    SignalRow row{.sx = 2, .tempo = 50};
    EXPECT_EQ(memo_segnale(cells, 5000, row), kErrorSignalCellTaken);
    EXPECT_EQ(cells, before);
  }
  // A tunnel marker is free.
  CellArray cells = free_cells();
  cells[101].type = records::kTunnelMarker;
  SignalRow row{.sx = 1};
  EXPECT_EQ(memo_segnale(cells, 5000, row), 0);
  EXPECT_EQ(cells[101].type, records::kSignal);
}

TEST(MemoSegnale, NearTheStartOfTheLineMarkersBeforeCell0AreLeftOut) {
  CellArray cells = free_cells();
  SignalRow row{.sx = 2, .dx = 1};
  ASSERT_EQ(memo_segnale(cells, 300, row), 0);  // cell 7
  EXPECT_EQ(cells[7].type, records::kSignal);
  EXPECT_EQ(cells[5].approach, 71);
  EXPECT_EQ(cells[3].approach, 72);
  EXPECT_EQ(cells[1].approach, 73);
  EXPECT_EQ(cells[0].approach, 0);

  CellArray at_start = free_cells();
  ASSERT_EQ(memo_segnale(at_start, -75, row), 0);  // round(-0.5) is cell 0
  EXPECT_EQ(at_start[0].type, records::kSignal);
}

TEST(MemoSegnale, ASignalBeforeCell0IsRefused) {
  CellArray cells = free_cells();
  SignalRow row{.sx = 2};
  EXPECT_EQ(memo_segnale(cells, -76, row), kErrorSignalOutsideCells);
  EXPECT_EQ(cells, free_cells());
}

TEST(SignalRows, AStationStopCellAndASignalShareACellOnlyInOneOrder) {
  // The station at 2750 (kind 12, length 500, field 6 set) stops in cell 60,
  // the cell of a signal at 2950.
  const char* station = "stazione, 2750, 12, 500, 0,0,1, 1,1,0, 5,6,1, 50, 22,0,0, X\r\n";
  const char* signal = "segnale, 2950, 2,0,0,0,0,0,0,0,0,0\r\n";

  records::ScenarioRecords signal_first = line_records();
  compile_text(signal_first, std::string("[generale]\r\n") + signal + station);
  EXPECT_EQ(signal_first.state.error_code, 0);
  EXPECT_EQ(signal_first.cells[60].type, records::kStationStop);
  EXPECT_EQ(signal_first.cells[60].value_a, 1);

  records::ScenarioRecords station_first = line_records();
  compile_text(station_first, std::string("[generale]\r\n") + station + signal);
  EXPECT_EQ(station_first.state.error_code, kErrorSignalCellTaken);
  EXPECT_EQ(station_first.state.error_position, 2950);
  EXPECT_EQ(station_first.cells[60].type, records::kStationStop);
}

}  // namespace
}  // namespace scenario::run

#include "run/station.h"

#include <gtest/gtest.h>

#include <string>

#include "compiler/error_codes.h"
#include "run_test_support.h"
#include "text/compile_failure.h"

namespace scenario::run {
namespace {

using namespace compiler;

using records::ScenarioRecords;

// A station row with the given position, kind, length and fields 4 to 6.
std::string station_row(int position, int kind, int length, int flag_a = 0, int flag_e = 0,
                        int flag_d = 0) {
  return "stazione, " + std::to_string(position) + ", " + std::to_string(kind) + ", " +
         std::to_string(length) + ", " + std::to_string(flag_a) + ", " + std::to_string(flag_e) +
         ", " + std::to_string(flag_d) + ", 1, 2, 3, 4, 5, 6, 7, 22, 43, 30, NOME\r\n";
}

// Compiles a first station at 0 (kind 27) and then `row` as the second.
ScenarioRecords second_station(const std::string& row) {
  ScenarioRecords records = line_records();
  compile_text(records, "[generale]\r\n" + station_row(0, 27, 400) + row);
  return records;
}

TEST(Station, EveryFieldGoesToItsPlaceInTheSlot) {
  const ScenarioRecords records = second_station(station_row(5000, 12, 600, 9, 8, 0));
  EXPECT_EQ(records.state.error_code, 0);
  const records::TableRecord& slot = records.header[2];
  EXPECT_EQ(slot.kind, 12);
  EXPECT_EQ(slot.long_a, 4700);
  EXPECT_EQ(slot.long_b, 5300);
  EXPECT_EQ(slot.long_c, 5000);
  EXPECT_EQ(slot.byte_a, 9);
  EXPECT_EQ(slot.byte_e, 8);
  EXPECT_EQ(slot.byte_d, 0);
  EXPECT_EQ(slot.short_a, 1);
  EXPECT_EQ(slot.short_b, 2);
  EXPECT_EQ(slot.byte_b, 3);
  EXPECT_EQ(slot.short_c, 4);
  EXPECT_EQ(slot.short_d, 5);
  EXPECT_EQ(slot.short_e, 6);
  EXPECT_EQ(slot.byte_c, 7);
  EXPECT_EQ(slot.long_d, 81810);  // 22.43.30
  EXPECT_EQ(slot.text, "NOME");
}

TEST(Station, AreaByKind) {
  const struct {
    int kind, length, flag_e, flag_d;
    std::int32_t long_a, long_b;
    std::uint8_t byte_e, byte_d;
  } cases[] = {
      {5, 400, 1, 1, 4600, 5150, 0, 0},  {6, 400, 0, 0, 4600, 5150, 0, 0},
      {7, 400, 0, 1, 4600, 5400, 0, 0},  {8, 700, 1, 0, 4300, 5700, 1, 0},
      {12, 500, 1, 1, 4750, 5300, 0, 1}, {12, 500, 0, 0, 4750, 5250, 0, 0},
      {27, 600, 1, 1, 4700, 5350, 1, 1}, {2, 300, 0, 0, 4850, 5150, 0, 0},
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(testing::Message() << "kind " << c.kind << " length " << c.length);
    const ScenarioRecords records =
        second_station(station_row(5000, c.kind, c.length, 0, c.flag_e, c.flag_d));
    EXPECT_EQ(records.state.error_code, 0);
    EXPECT_EQ(records.header[2].long_a, c.long_a);
    EXPECT_EQ(records.header[2].long_b, c.long_b);
    EXPECT_EQ(records.header[2].byte_e, c.byte_e);
    EXPECT_EQ(records.header[2].byte_d, c.byte_d);
  }
}

TEST(Station, TheFirstStationLosesFieldsFiveAndSix) {
  ScenarioRecords records = line_records();
  compile_text(records, "[generale]\r\n" + station_row(1000, 12, 600, 0, 1, 1));
  EXPECT_EQ(records.header[1].byte_e, 0);
  EXPECT_EQ(records.header[1].byte_d, 0);
  EXPECT_EQ(records.header[1].long_b, 1350);  // the area still ends 50 m further on
}

TEST(Station, StopCellAndApproachMarkersByKind) {
  const struct {
    int kind;
    bool stop, markers;
  } cases[] = {{12, true, true}, {5, true, false},   {6, true, false},  {8, true, true},
               {24, true, true}, {25, false, false}, {28, false, false}};
  for (const auto& c : cases) {
    SCOPED_TRACE(c.kind);
    // The area ends at 5150, for kind 8 at 5300.
    const ScenarioRecords records = second_station(station_row(5000, c.kind, 300));
    ASSERT_EQ(records.state.error_code, 0);
    const int stop = c.kind == 8 ? 105 : 102;
    EXPECT_EQ(records.cells[stop].type, c.stop ? records::kStationStop : records::kFree);
    EXPECT_EQ(records.cells[stop].value_a, c.stop ? 2 : 0);
    for (int k = 1; k <= 4; ++k) {
      EXPECT_EQ(records.cells[stop - k].approach, c.markers ? 80 + k : 0) << k;
    }
  }
}

TEST(Station, ApproachMarkersStopAboveCell1) {
  // Area ends at 250: stop cell 4, markers would be cells 3, 2, 1, 0.
  ScenarioRecords records = line_records();
  compile_text(records, "[generale]\r\n" + station_row(100, 12, 300));
  EXPECT_EQ(records.state.error_code, 0);
  EXPECT_EQ(records.cells[4].type, records::kStationStop);
  EXPECT_EQ(records.cells[3].approach, 81);
  EXPECT_EQ(records.cells[2].approach, 82);
  EXPECT_EQ(records.cells[1].approach, 0);
  EXPECT_EQ(records.cells[0].approach, 0);
}

TEST(Station, TheStopCellReplacesWhateverTheCellHeld) {
  ScenarioRecords records = line_records();
  records.cells[102].type = records::kSignBoard;
  records.cells[102].value_b = 3;
  compile_text(records, "[generale]\r\n" + station_row(5000, 12, 300));
  EXPECT_EQ(records.cells[102].type, records::kStationStop);
  EXPECT_EQ(records.cells[102].value_a, 1);
  EXPECT_EQ(records.cells[102].value_b, 3);
}

TEST(Station, SpacingOf350MetresBetweenAreas) {
  // The first area ends at 200; the second starts 350 m later: accepted.
  const ScenarioRecords enough = second_station(station_row(750, 27, 400));
  EXPECT_EQ(enough.state.error_code, 0);
  const ScenarioRecords short_by_50 = second_station(station_row(700, 27, 400));
  EXPECT_EQ(short_by_50.state.error_code, kErrorStationSpacing);
  EXPECT_EQ(short_by_50.state.error_position, 700);
}

TEST(Station, TheCounterStopsBelowTheSignBoardTexts) {
  std::string text = "[generale]\r\n";
  for (int i = 0; i < 5; ++i)
    text += station_row(i * 1000, 27, 400);
  ScenarioRecords records = line_records();
  compile_text(records, text, 4);
  EXPECT_EQ(records.state.error_code, kErrorStationsReachBoardTexts);
  EXPECT_EQ(records.header[3].long_c, 2000);  // the station that reached the boards stays
  EXPECT_EQ(records.header[4], records::TableRecord{});
}

TEST(Station, WithBoardTextsDownToSlot1NoStationIsStored) {
  for (std::int32_t next_board_slot : {1, 0, -1}) {
    ScenarioRecords records = line_records();
    records.header[1].text = "(BOARD)";
    records.state.error_position = 4242;
    compile_text(records, "[generale]\r\n" + station_row(5000, 12, 300), next_board_slot);
    EXPECT_EQ(records.state.error_code, kErrorStationsReachBoardTexts);
    EXPECT_EQ(records.state.error_position, 4242);
    EXPECT_EQ(records.header[1].text, "(BOARD)");
    EXPECT_EQ(records.header[1].long_c, 0);
    EXPECT_EQ(records.cells[102].type, records::kFree);
  }
}

TEST(Station, ARejectedStationKeepsWhatWasStoredOfIt) {
  const ScenarioRecords records = second_station(station_row(8025, 12, 500));
  EXPECT_EQ(records.state.error_code, kErrorStationPosition);
  EXPECT_EQ(records.header[2].long_c, 8025);
  EXPECT_EQ(records.header[2].kind, 0);
}

TEST(Station, AStopCellBeyondCellNIsRefusedAndNothingIsPlaced) {
  // Kind 8 at 100000 with 4000 m: the area ends at 104000, stop cell 2079.
  const ScenarioRecords inside = second_station(station_row(100000, 8, 4000));
  EXPECT_EQ(inside.state.error_code, 0);
  EXPECT_EQ(inside.cells[2079].type, records::kStationStop);

  const ScenarioRecords beyond = second_station(station_row(100000, 8, 4100));
  EXPECT_EQ(beyond.state.error_code, kErrorStationStopOutsideCells);
  EXPECT_EQ(beyond.state.error_position, 100000);
  EXPECT_EQ(cells_of_type(beyond, records::kStationStop), std::vector<std::int32_t>{});
  for (const auto& cell : beyond.cells)
    EXPECT_EQ(cell.approach, 0);

  // Kinds from 25 up place nothing, so they may reach beyond.
  const ScenarioRecords no_stop = second_station(station_row(100000, 27, 9000));
  EXPECT_EQ(no_stop.state.error_code, 0);
}

TEST(Station, ANameTooLongForTheTableFileIsTheCompilersOwnFailure) {
  // The table file counts a text in 16 bits: 65536 bytes would stop the
  // writing of the binary files halfway.
  std::string row = station_row(0, 27, 400);
  row.replace(row.find("NOME"), 4, std::string(65536, 'N'));
  ScenarioRecords records = line_records();
  EXPECT_THROW(compile_text(records, "[generale]\r\n" + row), text::CompileFailure);
}

}  // namespace
}  // namespace scenario::run

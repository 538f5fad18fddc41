#include "line/boards.h"

#include <gtest/gtest.h>

#include "compiler/error_codes.h"
#include "line_text_fixture.h"
#include "text/compile_failure.h"

namespace scenario::line {
namespace {

using namespace compiler;

TEST(SpeedIndicators, PackEachRankAndTheStripes) {
  const CompiledLine line =
      compile_text(short_line("indicatori_vmax,  1000,  105,  115,  120,  0,  ,  ,  ,  0\r\n"
                              "indicatori_vmax,  2000,  100,  13,  0,  2,  7,  0,  135,  1\r\n"));
  EXPECT_EQ(line.state().error_code, 0);
  const records::CellRecord& left_only = line.cell(21);
  EXPECT_EQ(left_only.type, records::kSpeedIndicator);
  EXPECT_EQ(left_only.value_a, 2100);
  EXPECT_EQ(left_only.value_b, 2300);
  EXPECT_EQ(left_only.value_c, 2400);
  EXPECT_EQ(left_only.value_d, 0);
  const records::CellRecord& odd = line.cell(41);
  EXPECT_EQ(odd.value_a, 2001);  // 2000 + 7 / 5, rounded
  EXPECT_EQ(odd.value_b, 260);
  EXPECT_EQ(odd.value_c, 27);
  EXPECT_EQ(odd.value_d, 21);
}

TEST(Boards, ABoardGoesToCellRoundOfPositionOver50Plus1) {
  struct Case {
    const char* entry;
    std::size_t cell;
  };
  const Case cases[] = {
      {"indicatori_vmax,  100,  100,  100,  100,  0,  ,  ,  ,  0", 3},
      {"indicatori_vmax,  25,  100,  100,  100,  0,  ,  ,  ,  0", 2},  // 1.5 to 2
      {"indicatori_vmax,  75,  100,  100,  100,  0,  ,  ,  ,  0", 2},  // 2.5 to 2
      {"cartello_indicatore,  125,   (X)", 4},                         // 3.5 to 4
      {"cartello_indicatore,  -75,   (X)", 0},                         // -0.5 to 0
  };
  for (const auto& c : cases) {
    const CompiledLine line = compile_text(short_line(std::string(c.entry) + "\r\n"));
    EXPECT_EQ(line.state().error_code, 0) << c.entry;
    EXPECT_NE(line.cell(c.cell).type, records::kFree) << c.entry;
  }
}

TEST(Boards, BoardsMayReplaceATunnelMarkerButNothingElse) {
  // Cell 3 is the marker of the tunnel over cells 0 to 19.
  const std::string tunnel = "montagna,   0,  1000,  12\r\n";
  const CompiledLine on_marker = compile_text(
      short_line(tunnel + "indicatori_vmax,  100,  100,  100,  100,  0,  ,  ,  ,  0\r\n"
                          "cartello_indicatore,  300,   (GALLERIA)\r\n"));
  EXPECT_EQ(on_marker.state().error_code, 0);
  EXPECT_EQ(on_marker.cell(3).type, records::kSpeedIndicator);
  EXPECT_EQ(on_marker.cell(7).type, records::kSignBoard);
  EXPECT_EQ(on_marker.cell(7).terrain, 2);

  struct Case {
    const char* second;
    std::int32_t code;
  };
  const Case cases[] = {
      {"indicatori_vmax,  100,  90,  90,  90,  0,  ,  ,  ,  0", kErrorSpeedIndicatorCell},
      {"cartello_indicatore,  100,   (B)", kErrorSignBoardCell},
  };
  for (const auto& c : cases) {
    const CompiledLine line =
        compile_text(short_line("indicatori_vmax,  100,  100,  100,  100,  0,  ,  ,  ,  0\r\n" +
                                std::string(c.second) + "\r\npendenza,  0,   5\r\n"));
    EXPECT_EQ(line.state().error_code, c.code) << c.second;
    EXPECT_EQ(line.state().error_position, 100) << c.second;
    EXPECT_EQ(line.state().line, 5) << c.second;
    EXPECT_TRUE(line.hand_over.hard_stop) << c.second;
    EXPECT_EQ(line.cell(3).value_a, 2000) << c.second;  // the first board stays
    EXPECT_EQ(line.records.header[80].text, "") << c.second;
    EXPECT_EQ(line.cell(0).gradient, 0) << c.second;  // the line is not finished
  }
}

std::string sign_boards(int count) {
  std::string entries;
  for (int i = 1; i <= count; ++i) {
    entries +=
        "cartello_indicatore,  " + std::to_string(i * 100) + ",   (" + std::to_string(i) + ")\r\n";
  }
  return entries;
}

TEST(SignBoards, TakeSlots80DownToZeroAndAn82ndIsRejected) {
  const CompiledLine eighty_one = compile_text(short_line(sign_boards(81)));
  EXPECT_EQ(eighty_one.state().error_code, 0);
  EXPECT_EQ(eighty_one.hand_over.next_board_slot, -1);
  EXPECT_EQ(eighty_one.records.header[80].text, "(1)");
  EXPECT_EQ(eighty_one.records.header[0].text, "(81)");
  EXPECT_EQ(eighty_one.cell(3).value_a, 80);
  EXPECT_EQ(eighty_one.cell(163).value_a, 0);

  const CompiledLine eighty_two = compile_text(short_line(sign_boards(82)));
  EXPECT_EQ(eighty_two.state().error_code, kErrorNoBoardSlotLeft);
  EXPECT_EQ(eighty_two.state().error_position, 8200);
  EXPECT_EQ(eighty_two.state().line, 85);
  EXPECT_TRUE(eighty_two.hand_over.hard_stop);
  EXPECT_EQ(eighty_two.cell(165).type, records::kFree);
  EXPECT_EQ(eighty_two.records.header[0].text, "(81)");
}

TEST(Boards, APositionBeforeTheStartOfTheLineIsRejected) {
  const char* const entries[] = {
      "cartello_indicatore,  -100,   (X)",
      "cartello_indicatore,  -76,   (X)",
      "indicatori_vmax,  -80,  100,  100,  100,  0,  ,  ,  ,  0",
  };
  for (const char* entry : entries) {
    const CompiledLine line = compile_text(short_line(std::string(entry) + "\r\n"));
    EXPECT_EQ(line.state().error_code, kErrorBoardBeforeLineStart) << entry;
    EXPECT_LT(line.state().error_position, -75) << entry;
    EXPECT_EQ(line.state().line, 4) << entry;
    EXPECT_TRUE(line.hand_over.hard_stop) << entry;
    EXPECT_EQ(line.records.header[80].text, "") << entry;
  }
}

TEST(SpeedIndicators, AValueBeyond16BitsIsTheCompilersOwnFailure) {
  const char* const entries[] = {
      "indicatori_vmax,  100,  1700,  0,  0,  0,  ,  ,  ,  0",   // 34000
      "indicatori_vmax,  100,  0,  0,  0,  3277,  ,  ,  ,  0",   // stripes 32770
      "indicatori_vmax,  100,  -1700,  0,  0,  0,  ,  ,  ,  0",  // -34000
  };
  for (const char* entry : entries) {
    try {
      compile_text(short_line(std::string(entry) + "\r\n"));
      ADD_FAILURE() << "no failure for: " << entry;
    } catch (const text::CompileFailure& failure) {
      EXPECT_EQ(failure.line(), 4) << entry;
    }
  }
}

// The packed values are computed before anything is written: a board that
// fails leaves its cell as it was (a tunnel marker here), never marked as a
// board with zero values.
TEST(SpeedIndicators, AValueBeyond16BitsLeavesTheCellAsItWas) {
  records::ScenarioRecords records;
  records.cells.resize(201);
  records.cells[3].type = records::kTunnelMarker;
  LineCompilation line(records, "");
  SpeedIndicatorValues values;
  values.vas = 1700;  // 34000
  EXPECT_THROW(memo_indicatori_v_max(line, 100, values), text::CompileFailure);
  EXPECT_EQ(records.cells[3], records::CellRecord{.type = records::kTunnelMarker});
}

TEST(SignBoards, ATextTooLongForTheTableFileIsTheCompilersOwnFailure) {
  // The table file counts a text in 16 bits: 65536 bytes would stop the
  // writing of the binary files halfway.
  const std::string entry = "cartello_indicatore,  100,  " + std::string(65536, 'x') + "\r\n";
  try {
    compile_text(short_line(entry));
    ADD_FAILURE() << "no failure for a board text of 65536 bytes";
  } catch (const text::CompileFailure& failure) {
    EXPECT_EQ(failure.line(), 4);
  }
}

}  // namespace
}  // namespace scenario::line

#include "line/terrain_stretches.h"

#include <gtest/gtest.h>

#include "compiler/error_codes.h"
#include "line_text_fixture.h"

namespace scenario::line {
namespace {

using namespace compiler;

TEST(TerrainStretches, AStretchCloseBehindThePreviousOneBecomesType3) {
  struct Case {
    const char* second;
    std::size_t cell;
    std::uint8_t terrain;
  };
  const Case cases[] = {
      {"montagna,   450,  600,  5", 9, 3},   // 150 m after
      {"montagna,   451,  600,  5", 9, 5},   // 151 m after
      {"montagna,   450,  600,  15", 9, 3},  // a tunnel too
      {"montagna,   500,  600,  15", 10, 5},
  };
  for (const auto& c : cases) {
    const CompiledLine line =
        compile_text(short_line("montagna,   100,  300,  2\r\n" + std::string(c.second) + "\r\n"));
    EXPECT_EQ(line.state().error_code, 0) << c.second;
    EXPECT_EQ(line.cell(c.cell).terrain, c.terrain) << c.second;
    EXPECT_EQ(line.cell(2).terrain, 2) << c.second;
  }
  // The first stretch has no previous one, even at the start of the line.
  EXPECT_EQ(compile_text(short_line("montagna,   0,  100,  7\r\n")).cell(0).terrain, 7);
}

TEST(TerrainStretches, ATunnelGetsAMarkerInEveryFourthFreeCell) {
  // Cells 20 to 39; the board listed first holds cell 23.
  const CompiledLine line =
      compile_text(short_line("indicatori_vmax,  1100,  100,  100,  100,  0,  ,  ,  ,  0\r\n"
                              "montagna,   1000,  2000,  14\r\n"));
  EXPECT_EQ(line.state().error_code, 0);
  EXPECT_EQ(line.cell(19).terrain, 0);
  EXPECT_EQ(line.cell(40).terrain, 0);
  for (std::size_t k = 20; k <= 39; ++k) {
    EXPECT_EQ(line.cell(k).terrain, 4) << k;
    std::uint8_t expected = (k - 19) % 4 == 0 ? records::kTunnelMarker : records::kFree;
    if (k == 23)
      expected = records::kSpeedIndicator;
    EXPECT_EQ(line.cell(k).type, expected) << k;
  }
  // A mountain without tunnel gets no marker.
  const CompiledLine mountain = compile_text(short_line("montagna,   1000,  2000,  4\r\n"));
  EXPECT_EQ(mountain.cell(23).type, records::kFree);
}

TEST(TerrainStretches, AStretchOutsideTheCellsIsRejected) {
  struct Case {
    const char* entry;
    std::int32_t position;
  };
  const Case cases[] = {
      {"montagna,   9800,  10100,  2", 9800},  // last cell 201 of 0 to 200
      {"montagna,   -100,  200,  2", -100},    // first cell -2
      {"montagna,   -26,  200,  2", -26},      // first cell round(-0.52), -1
  };
  for (const auto& c : cases) {
    const CompiledLine line = compile_text(short_line(std::string(c.entry) + "\r\n"));
    EXPECT_EQ(line.state().error_code, kErrorStretchOutsideCells) << c.entry;
    EXPECT_EQ(line.state().error_position, c.position) << c.entry;
    EXPECT_EQ(line.state().line, 4) << c.entry;
    EXPECT_TRUE(line.hand_over.hard_stop) << c.entry;
    EXPECT_EQ(line.cell(199).terrain, 0) << c.entry;
    EXPECT_EQ(line.cell(1).terrain, 0) << c.entry;
  }
}

TEST(TerrainStretches, StretchesUpToTheCellArraysEndsOrCoveringNoCellAreTaken) {
  const CompiledLine edges =
      compile_text(short_line("montagna,   -25,  100,  2\r\nmontagna,   9800,  10050,  4\r\n"));
  EXPECT_EQ(edges.state().error_code, 0);
  EXPECT_EQ(edges.cell(0).terrain, 2);  // round(-0.5) is 0
  EXPECT_EQ(edges.cell(200).terrain, 4);
  // A stretch that ends before it starts covers no cell, wherever it lies,
  // and still counts as the previous one for the next.
  const CompiledLine backwards = compile_text(short_line(
      "montagna,   -500,  -900,  2\r\nmontagna,   600,  500,  2\r\nmontagna,   600,  700,  5\r\n"));
  EXPECT_EQ(backwards.state().error_code, 0);
  EXPECT_EQ(backwards.cell(11).terrain, 0);
  EXPECT_EQ(backwards.cell(12).terrain, 3);
}

}  // namespace
}  // namespace scenario::line

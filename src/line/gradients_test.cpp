#include "line/gradients.h"

#include <gtest/gtest.h>

#include "compiler/error_codes.h"
#include "line_text_fixture.h"

namespace scenario::line {
namespace {

using namespace compiler;

TEST(Gradients, EachGradientFillsTheCellsUpToTheNextOne) {
  const CompiledLine line = compile_text(
      short_line("pendenza,  0,   2\r\npendenza,  100,   4\r\npendenza,  100,   6\r\n"));
  EXPECT_EQ(line.state().error_code, 0);
  EXPECT_EQ(line.cell(0).gradient, 102);
  EXPECT_EQ(line.cell(1).gradient, 102);
  // An entry at the fill index still writes one cell.
  EXPECT_EQ(line.cell(2).gradient, 104);
  EXPECT_EQ(line.cell(3).gradient, 106);
  EXPECT_EQ(line.cell(197).gradient, 106);
  EXPECT_EQ(line.cell(198).gradient, 0);
  EXPECT_EQ(line.cell(200).gradient, 0);
}

TEST(Gradients, ALineWithoutGradientsIsLevel) {
  const CompiledLine line = compile_text(short_line(""));
  EXPECT_EQ(line.cell(0).gradient, 100);
  EXPECT_EQ(line.cell(197).gradient, 100);
  EXPECT_EQ(line.cell(198).gradient, 0);
}

TEST(Gradients, OnlyGradientsThatFitTheCellFieldAreTaken) {
  const CompiledLine steep =
      compile_text(short_line("pendenza,  0,  -100\r\npendenza,  100,   155\r\n"));
  EXPECT_EQ(steep.state().error_code, 0);
  EXPECT_EQ(steep.cell(0).gradient, 0);
  EXPECT_EQ(steep.cell(2).gradient, 255);
  for (const char* gradient : {"-101", "156", "-2147483648"}) {
    const CompiledLine line = compile_text(
        short_line("pendenza,  0,   1\r\npendenza,  300,   " + std::string(gradient) + "\r\n"));
    EXPECT_EQ(line.state().error_code, kErrorGradientOutOfRange) << gradient;
    EXPECT_EQ(line.state().error_position, 300) << gradient;
    EXPECT_EQ(line.state().line, 5) << gradient;
    EXPECT_TRUE(line.hand_over.hard_stop) << gradient;
    EXPECT_EQ(line.cell(5).gradient, 0) << gradient;  // the previous one was not written
  }
}

TEST(Gradients, EntriesRepeatedAtTheEndNeverWritePastTheLastCell) {
  // 9900 is cell 198; every repetition writes one more cell.
  const std::string at_end = "pendenza,  9900,   1\r\n";
  const CompiledLine filled = compile_text(short_line(at_end + at_end + at_end + at_end));
  EXPECT_EQ(filled.state().error_code, 0);
  EXPECT_EQ(filled.cell(198).gradient, 101);
  EXPECT_EQ(filled.cell(200).gradient, 101);

  const CompiledLine beyond = compile_text(short_line(at_end + at_end + at_end + at_end + at_end));
  EXPECT_EQ(beyond.state().error_code, kErrorGradientFillPastTrack);
  EXPECT_EQ(beyond.state().error_position, 9900);
  EXPECT_EQ(beyond.state().line, 8);
  EXPECT_TRUE(beyond.hand_over.hard_stop);
}

}  // namespace
}  // namespace scenario::line

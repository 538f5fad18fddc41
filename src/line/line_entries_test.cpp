#include "line/line_compiler.h"

#include <gtest/gtest.h>

#include "compiler/error_codes.h"
#include "line_text_fixture.h"

namespace scenario::line {
namespace {

using namespace compiler;

TEST(LineEntries, KeywordsAreFoundAnywhereInTheFieldInAnyCase) {
  const CompiledLine line =
      compile_text(short_line("la PENDENZA,  100,   5\r\n"
                              "pendenza montagna,  200,  -3,  300,  400,  2\r\n"));
  EXPECT_EQ(line.state().error_code, 0);
  EXPECT_EQ(line.cell(2).gradient, 105);
  EXPECT_EQ(line.cell(4).gradient, 97);
  EXPECT_EQ(line.cell(6).terrain, 2);
  EXPECT_EQ(line.cell(7).terrain, 2);
  EXPECT_EQ(line.cell(8).terrain, 0);
}

TEST(LineEntries, UpToTwoDashedKeywordFieldsArePassedOver) {
  // Two comment fields with a dash, then the entry: it counts.
  const CompiledLine two = compile_text(short_line("-a\r\n-b\r\npendenza,  100,   5\r\n"));
  EXPECT_EQ(two.cell(2).gradient, 105);
  // A third dashed field is examined as it is.
  const CompiledLine three = compile_text(short_line("-a\r\n-b\r\n-pendenza,  100,   5\r\n"));
  EXPECT_EQ(three.cell(2).gradient, 105);
  // A dash in front of a keyword disables its entry; its values are read as
  // keyword fields and match nothing. A minus sign in a value is no dash.
  const CompiledLine disabled =
      compile_text(short_line("-pendenza,  100,   5\r\npendenza,  200,   -4\r\n"));
  EXPECT_EQ(disabled.state().error_code, 0);
  EXPECT_EQ(disabled.cell(2).gradient, 100);
  EXPECT_EQ(disabled.cell(4).gradient, 96);
}

TEST(LineEntries, ACurveDisabledByAMinusSignLeavesThePlanStraight) {
  const CompiledLine with_curve = compile_text(short_line("curvad4,  100,  200\r\n"));
  const CompiledLine disabled = compile_text(short_line("-curvad4,  100,  200\r\n"));
  const CompiledLine without = compile_text(short_line(""));
  EXPECT_EQ(disabled.state().error_code, 0);
  EXPECT_EQ(*disabled.records.plan, *without.records.plan);
  EXPECT_NE(*with_curve.records.plan, *without.records.plan);
}

TEST(LineEntries, TheTextEndsWhenItsLastCharacterIsRead) {
  // A complete entry at the very end counts; a keyword field alone there is
  // not examined, so its missing values are never read.
  const CompiledLine complete = compile_text(short_line("pendenza,  100,   5"));
  EXPECT_EQ(complete.state().error_code, 0);
  EXPECT_EQ(complete.cell(2).gradient, 105);
  const CompiledLine keyword_alone = compile_text(short_line("pendenza,  100,   5\r\npendenza"));
  EXPECT_EQ(keyword_alone.state().error_code, 0);
  const CompiledLine dashed_then_end = compile_text(short_line("-a\r\npendenza"));
  EXPECT_EQ(dashed_then_end.state().error_code, 0);
}

// N is 200 for the short line: (position + 100) / 50 may reach 200.
TEST(LineEntries, AnEntryBeyondTheTrackEndsTheLineButKeepsWhatCameBefore) {
  struct Case {
    const char* entry;
    std::int32_t position;
  };
  const Case cases[] = {
      {"pendenza,  9901,   1", 9901},
      {"curvad4,  9950,  10", 9950},
      {"montagna,   10000,  10050,  2", 10000},
      {"indicatori_vmax,  9950,  100,  100,  100,  0,  ,  ,  ,  0", 9950},
      {"cartello_indicatore,  123456,   (FUORI)", 123456},
  };
  for (const auto& c : cases) {
    const CompiledLine line =
        compile_text(short_line("pendenza,  0,   3\r\npendenza,  100,   7\r\n" +
                                std::string(c.entry) + "\r\npendenza,  200,   9\r\n"));
    EXPECT_EQ(line.state().error_code, kErrorBeyondTrack) << c.entry;
    EXPECT_EQ(line.state().error_position, c.position) << c.entry;
    EXPECT_EQ(line.state().line, 6) << c.entry;
    EXPECT_FALSE(line.hand_over.hard_stop) << c.entry;
    // The line is finished as at the end of the text: the gradient carried
    // so far fills the cells, the plan runs straight on.
    EXPECT_EQ(line.cell(1).gradient, 103) << c.entry;
    EXPECT_EQ(line.cell(2).gradient, 107) << c.entry;
    EXPECT_EQ(line.cell(197).gradient, 107) << c.entry;
    EXPECT_EQ(line.cell(198).gradient, 0) << c.entry;
    EXPECT_EQ(line.records.plan->kind(9998, records::PlanArray::kY),
              records::PlanArray::Kind::kDouble)
        << c.entry;
  }
  // The last positions on the track are accepted.
  const CompiledLine last = compile_text(
      short_line("pendenza,  9900,   1\r\ncurvad4,  9900,  100\r\nmontagna,   9900,  10050,  2\r\n"
                 "indicatori_vmax,  9900,  100,  100,  100,  0,  ,  ,  ,  0\r\n"));
  EXPECT_EQ(last.state().error_code, 0);
  EXPECT_EQ(last.cell(199).type, records::kSpeedIndicator);
  EXPECT_EQ(last.cell(200).terrain, 2);
}

}  // namespace
}  // namespace scenario::line

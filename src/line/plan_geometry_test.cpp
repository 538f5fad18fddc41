#include "line/plan_geometry.h"

#include <gtest/gtest.h>

#include "compiler/error_codes.h"
#include "line_text_fixture.h"

namespace scenario::line {
namespace {

using namespace compiler;

using records::PlanArray;

double x(const CompiledLine& line, std::int32_t metre) {
  return line.records.plan->value(metre, PlanArray::kX);
}
double y(const CompiledLine& line, std::int32_t metre) {
  return line.records.plan->value(metre, PlanArray::kY);
}

TEST(PlanGeometry, TheLineRunsAlongYAndCurvesTurnItRightOrLeft) {
  const CompiledLine straight = compile_text(short_line(""));
  EXPECT_EQ(x(straight, 9998), 0.0);
  EXPECT_EQ(y(straight, 9998), 9998.0);
  EXPECT_EQ(straight.records.plan->kind(9999, PlanArray::kX), PlanArray::Kind::kUnset);

  const CompiledLine right = compile_text(short_line("curvad5,  100,  500\r\n"));
  const CompiledLine left = compile_text(short_line("curvaS5,  100,  500\r\n"));
  EXPECT_EQ(x(right, 100), 0.0);
  EXPECT_EQ(x(right, 101), 0.002);  // 0 + (0 + 0.002 × 1)
  EXPECT_GT(x(right, 9998), 1000.0);
  EXPECT_EQ(x(left, 9998), -x(right, 9998));
  EXPECT_EQ(y(left, 9998), y(right, 9998));
}

TEST(PlanGeometry, TheFirstDigitLookedForGivesTheCurvature) {
  const CompiledLine one = compile_text(short_line("curvad1,  100,  500\r\n"));
  const CompiledLine sixty_one = compile_text(short_line("curvad61,  100,  500\r\n"));
  EXPECT_EQ(*sixty_one.records.plan, *one.records.plan);
}

TEST(PlanGeometry, ACurveBehindTheCursorIsAppliedOnlyFromTheCursorOn) {
  const CompiledLine overlapping =
      compile_text(short_line("curvad4,  100,  100\r\ncurvad4,  150,  100\r\n"));
  const CompiledLine joined = compile_text(short_line("curvad4,  100,  150\r\n"));
  EXPECT_EQ(overlapping.state().error_code, 0);
  EXPECT_EQ(*overlapping.records.plan, *joined.records.plan);
  // A negative length leaves only the straight run up to the start.
  const CompiledLine negative = compile_text(short_line("curvad4,  100,  -50\r\n"));
  EXPECT_EQ(*negative.records.plan, *compile_text(short_line("")).records.plan);
}

TEST(PlanGeometry, ACurveKeywordWithoutDigitStopsWith103) {
  const CompiledLine line = compile_text(short_line("curvad,  100,  100\r\n"));
  EXPECT_EQ(line.state().error_code, kErrorPlan);
  EXPECT_EQ(line.state().error_position, 0);
  EXPECT_EQ(line.state().line, 4);
  EXPECT_TRUE(line.hand_over.hard_stop);
}

TEST(PlanGeometry, ACurveReachingBeyondThePlanIsRejectedBeforeAnyMetre) {
  // The plan of the short line ends at metre 10000.
  const CompiledLine to_the_end = compile_text(short_line("curvad4,  9900,  100\r\n"));
  EXPECT_EQ(to_the_end.state().error_code, 0);
  EXPECT_EQ(to_the_end.records.plan->kind(10000, PlanArray::kX), PlanArray::Kind::kDouble);

  const CompiledLine beyond = compile_text(short_line("curvad4,  9900,  101\r\n"));
  EXPECT_EQ(beyond.state().error_code, kErrorCurveBeyondPlan);
  EXPECT_EQ(beyond.state().error_position, 9900);
  EXPECT_EQ(beyond.state().line, 4);
  EXPECT_TRUE(beyond.hand_over.hard_stop);
  EXPECT_EQ(beyond.records.plan->kind(2, PlanArray::kX), PlanArray::Kind::kUnset);
}

TEST(PlanGeometry, ThePlanStopsWith103PastMetre1000000) {
  const CompiledLine line = compile_text(
      "[generale]\r\nlunghezza percorso,    1000000\r\n[curve]\r\ncurvad1,  999990,  100\r\n");
  EXPECT_EQ(line.state().error_code, kErrorPlan);
  EXPECT_TRUE(line.hand_over.hard_stop);
  const PlanArray& plan = *line.records.plan;
  EXPECT_EQ(plan.kind(1000000, PlanArray::kX), PlanArray::Kind::kDouble);
  EXPECT_EQ(plan.kind(1000001, PlanArray::kX), PlanArray::Kind::kUnset);
}

}  // namespace
}  // namespace scenario::line

#include "records/plan_array.h"

#include <gtest/gtest.h>

#include <algorithm>

namespace scenario::records {
namespace {

bool all_unset(const PlanArray& plan) {
  for (int column : {PlanArray::kX, PlanArray::kY}) {
    const auto kinds = plan.kinds(column);
    const auto values = plan.values(column);
    if (!std::all_of(kinds.begin(), kinds.end(),
                     [](PlanArray::Kind kind) { return kind == PlanArray::Kind::kUnset; }) ||
        !std::all_of(values.begin(), values.end(), [](double value) { return value == 0.0; })) {
      return false;
    }
  }
  return true;
}

// A new array starts unset even where its memory held an earlier array's
// values, large (memory of its own from the system) or small (from the heap).
TEST(PlanArray, ANewArrayIsUnsetEvenInMemoryAnEarlierOneFilled) {
  for (std::int32_t last_metre : {0, 9, 150'000}) {
    for (int round = 0; round < 3; ++round) {
      PlanArray plan(last_metre);
      ASSERT_TRUE(all_unset(plan)) << last_metre << " m, round " << round;
      for (std::int32_t metre = 0; metre <= last_metre; ++metre) {
        plan.set_double(metre, PlanArray::kX, -1.5);
        plan.set_int16(metre, PlanArray::kY, 7);
      }
    }
  }
}

TEST(PlanArray, ACopyHoldsTheSameElements) {
  PlanArray plan(3);
  plan.set_double(1, PlanArray::kX, 2.25);
  plan.set_int16(3, PlanArray::kY, -4);
  const PlanArray copy = plan;
  EXPECT_EQ(copy, plan);
  EXPECT_EQ(copy.value(1, PlanArray::kX), 2.25);
  EXPECT_EQ(copy.kind(3, PlanArray::kY), PlanArray::Kind::kInt16);
  EXPECT_EQ(copy.kind(0, PlanArray::kX), PlanArray::Kind::kUnset);
}

}  // namespace
}  // namespace scenario::records

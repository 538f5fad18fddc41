#include "line/plan_geometry.h"

#include <algorithm>
#include <optional>

#include "line/curvature_classes.h"
#include "text/keyword_match.h"

namespace scenario::line {
namespace {

using records::PlanArray;

// The plan stops with kErrorPlan once its cursor passes this metre.
constexpr std::int32_t kLastPlanMetre = 1000000;

std::optional<double> curvature_of(const std::string& keyword) {
  for (const auto& curvature_class : kCurvatureClasses) {
    if (text::contains_any_case(keyword, curvature_class.digit))
      return curvature_class.per_metre;
  }
  return std::nullopt;
}

}  // namespace

void start_plan(PlanArray& plan) {
  plan.set_int16(0, PlanArray::kX, 0);
  plan.set_int16(0, PlanArray::kY, 0);
  plan.set_int16(1, PlanArray::kX, 0);
  plan.set_int16(1, PlanArray::kY, 1);
}

PlanWalk::PlanWalk(PlanArray& plan, std::int32_t cursor)
    : plan_(plan),
      j_(cursor),
      x0_(plan.value(cursor - 2, PlanArray::kX)),
      y0_(plan.value(cursor - 2, PlanArray::kY)),
      x1_(plan.value(cursor - 1, PlanArray::kX)),
      y1_(plan.value(cursor - 1, PlanArray::kY)) {}

EntryOutcome compile_curve(LineCompilation& line) {
  const std::int32_t start = line.reader.read_int32();
  const std::int32_t length = line.reader.read_int32();
  if (test_on_track(line, start) != EntryOutcome::kGoOn)
    return EntryOutcome::kEndOfText;
  std::optional<double> c = curvature_of(line.keyword);
  if (!c)
    return line.stop(compiler::kErrorPlan);
  if (text::contains_any_case(line.keyword, "s"))
    c = -*c;

  PlanArray& plan = *line.records.plan;
  const std::int64_t end = std::int64_t{start} + length;
  if (std::max<std::int64_t>(start, end) > plan.last_metre()) {
    return line.stop_at(compiler::kErrorCurveBeyondPlan, start);
  }
  PlanWalk walk(plan, line.plan_cursor);
  bool past_last_metre = false;
  while (!past_last_metre && walk.cursor() <= start) {
    walk.straight_step();
    past_last_metre = walk.cursor() > kLastPlanMetre;
  }
  while (!past_last_metre && walk.cursor() <= end) {
    walk.curve_step(*c);
    past_last_metre = walk.cursor() > kLastPlanMetre;
  }
  line.plan_cursor = walk.cursor();
  return past_last_metre ? line.stop(compiler::kErrorPlan) : EntryOutcome::kGoOn;
}

void finish_plan(LineCompilation& line) {
  PlanArray& plan = *line.records.plan;
  PlanWalk walk(plan, line.plan_cursor);
  while (walk.cursor() <= plan.last_metre() - 2)
    walk.straight_step();
  line.plan_cursor = walk.cursor();
}

}  // namespace scenario::line

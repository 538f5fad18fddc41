#pragma once

#include <cstddef>
#include <cstdint>
#include <optional>
#include <ostream>

#include "records/plan_array.h"
#include "tools/json_writer.h"

namespace scenario::tools {

struct KindCounts {
  std::size_t unset = 0;
  std::size_t int16 = 0;
  std::size_t doubles = 0;
};

struct PlanPoint {
  std::int32_t metre = 0;
  double x = 0.0;
  double y = 0.0;
};

struct BoundingBox {
  double x_min = 0.0;
  double x_max = 0.0;
  double y_min = 0.0;
  double y_max = 0.0;
};

// The plan array in brief. Points are the metres whose x and y are both
// set; the first and last of them, the box around all of them, and the
// length of the polyline through them, metre after metre.
struct PlanSummary {
  std::int32_t last_metre = 0;
  KindCounts x;
  KindCounts y;
  std::optional<PlanPoint> first;
  std::optional<PlanPoint> last;
  std::optional<BoundingBox> box;
  double length = 0.0;
};

PlanSummary summarise_plan(const records::PlanArray& plan);

// The summary for a person; with `all` every metre after it, value and kind.
void list_plan(const records::PlanArray& plan, bool all, std::ostream& out);

// The summary as members of a JSON object; with `all` a member "points",
// one object per metre (unset values null).
void plan_json(const records::PlanArray& plan, bool all, JsonWriter& json);

}  // namespace scenario::tools

#include "tools/plan_dump.h"

#include <algorithm>
#include <cmath>
#include <cstdio>

namespace scenario::tools {
namespace {

using records::PlanArray;

void count(KindCounts& counts, PlanArray::Kind kind) {
  switch (kind) {
    case PlanArray::Kind::kUnset:
      ++counts.unset;
      break;
    case PlanArray::Kind::kInt16:
      ++counts.int16;
      break;
    case PlanArray::Kind::kDouble:
      ++counts.doubles;
      break;
  }
}

bool is_set(const PlanArray& plan, std::int32_t metre) {
  return plan.kind(metre, PlanArray::kX) != PlanArray::Kind::kUnset &&
         plan.kind(metre, PlanArray::kY) != PlanArray::Kind::kUnset;
}

std::string metres(double value) {
  char buffer[64];
  std::snprintf(buffer, sizeof buffer, "%.3f", value);
  return buffer;
}

std::string kind_name(PlanArray::Kind kind) {
  switch (kind) {
    case PlanArray::Kind::kUnset:
      return "non impostato";
    case PlanArray::Kind::kInt16:
      return "intero";
    case PlanArray::Kind::kDouble:
      return "double";
  }
  return "";
}

// The kind as JSON names it.
std::string_view kind_key(PlanArray::Kind kind) {
  switch (kind) {
    case PlanArray::Kind::kUnset:
      return "unset";
    case PlanArray::Kind::kInt16:
      return "int16";
    case PlanArray::Kind::kDouble:
      return "double";
  }
  return "";
}

std::string element(const PlanArray& plan, std::int32_t metre, int column) {
  const PlanArray::Kind kind = plan.kind(metre, column);
  if (kind == PlanArray::Kind::kUnset)
    return "-";
  return shortest_decimal(plan.value(metre, column)) + " (" + kind_name(kind) + ")";
}

void counts_text(const char* axis, const KindCounts& counts, std::ostream& out) {
  out << axis << ": " << counts.int16 << " interi a 16 bit, " << counts.doubles << " double, "
      << counts.unset << " non impostati\n";
}

void point_text(const char* what, const std::optional<PlanPoint>& point, std::ostream& out) {
  out << what << ": ";
  if (point)
    out << "metro " << point->metre << ", x " << metres(point->x) << ", y " << metres(point->y);
  else
    out << "nessuno";
  out << '\n';
}

void counts_json(const char* axis, const KindCounts& counts, JsonWriter& json) {
  json.key(axis);
  json.begin_object();
  json.member("int16", static_cast<std::int64_t>(counts.int16));
  json.member("double", static_cast<std::int64_t>(counts.doubles));
  json.member("unset", static_cast<std::int64_t>(counts.unset));
  json.end_object();
}

void point_json(const char* what, const std::optional<PlanPoint>& point, JsonWriter& json) {
  json.key(what);
  if (!point) {
    json.null();
    return;
  }
  json.begin_object();
  json.member("metre", point->metre);
  json.member("x", point->x);
  json.member("y", point->y);
  json.end_object();
}

void value_json(const PlanArray& plan, std::int32_t metre, int column, const char* name,
                JsonWriter& json) {
  json.key(name);
  if (plan.kind(metre, column) == PlanArray::Kind::kUnset)
    json.null();
  else
    json.number(plan.value(metre, column));
}

}  // namespace

PlanSummary summarise_plan(const PlanArray& plan) {
  PlanSummary summary;
  summary.last_metre = plan.last_metre();
  std::optional<PlanPoint> previous;
  for (std::int32_t metre = 0; metre <= plan.last_metre(); ++metre) {
    count(summary.x, plan.kind(metre, PlanArray::kX));
    count(summary.y, plan.kind(metre, PlanArray::kY));
    if (!is_set(plan, metre))
      continue;
    const PlanPoint point{metre, plan.value(metre, PlanArray::kX),
                          plan.value(metre, PlanArray::kY)};
    if (!summary.first) {
      summary.first = point;
      summary.box = BoundingBox{point.x, point.x, point.y, point.y};
    }
    summary.last = point;
    BoundingBox& box = *summary.box;
    box.x_min = std::min(box.x_min, point.x);
    box.x_max = std::max(box.x_max, point.x);
    box.y_min = std::min(box.y_min, point.y);
    box.y_max = std::max(box.y_max, point.y);
    if (previous && previous->metre == metre - 1)
      summary.length += std::hypot(point.x - previous->x, point.y - previous->y);
    previous = point;
  }
  return summary;
}

void list_plan(const PlanArray& plan, bool all, std::ostream& out) {
  const PlanSummary summary = summarise_plan(plan);
  out << "metri da 0 a " << summary.last_metre << " (" << summary.last_metre + 1
      << " per colonna)\n";
  counts_text("x", summary.x, out);
  counts_text("y", summary.y, out);
  point_text("primo punto", summary.first, out);
  point_text("ultimo punto", summary.last, out);
  if (summary.box) {
    const BoundingBox& box = *summary.box;
    out << "riquadro: x da " << metres(box.x_min) << " a " << metres(box.x_max) << ", y da "
        << metres(box.y_min) << " a " << metres(box.y_max) << " m\n";
  }
  out << "sviluppo lungo i punti: " << metres(summary.length) << " m\n";
  if (!all)
    return;
  for (std::int32_t metre = 0; metre <= plan.last_metre(); ++metre) {
    out << "metro " << metre << "  x " << element(plan, metre, PlanArray::kX) << "  y "
        << element(plan, metre, PlanArray::kY) << '\n';
  }
}

void plan_json(const PlanArray& plan, bool all, JsonWriter& json) {
  const PlanSummary summary = summarise_plan(plan);
  json.member("last_metre", summary.last_metre);
  counts_json("x_kinds", summary.x, json);
  counts_json("y_kinds", summary.y, json);
  point_json("first", summary.first, json);
  point_json("last", summary.last, json);
  json.key("bounding_box");
  if (summary.box) {
    json.begin_object();
    json.member("x_min", summary.box->x_min);
    json.member("x_max", summary.box->x_max);
    json.member("y_min", summary.box->y_min);
    json.member("y_max", summary.box->y_max);
    json.end_object();
  } else {
    json.null();
  }
  json.member("length", summary.length);
  if (!all)
    return;
  json.key("points");
  json.begin_array();
  for (std::int32_t metre = 0; metre <= plan.last_metre(); ++metre) {
    json.begin_object();
    json.member("metre", metre);
    value_json(plan, metre, PlanArray::kX, "x", json);
    json.member("x_kind", kind_key(plan.kind(metre, PlanArray::kX)));
    value_json(plan, metre, PlanArray::kY, "y", json);
    json.member("y_kind", kind_key(plan.kind(metre, PlanArray::kY)));
    json.end_object();
  }
  json.end_array();
}

}  // namespace scenario::tools

#include "tools/scenario_view.h"

#include <cmath>

#include "line/curvature_classes.h"
#include "records/slot_roles.h"
#include "records/track_geometry.h"
#include "text/cp1252.h"

namespace scenario::tools {
namespace {

// Where an item placed in cell k stands, and where cell k begins.
std::int64_t item_position(std::size_t k) {
  return records::item_position(static_cast<std::int64_t>(k));
}
std::int64_t cell_start(std::size_t k) {
  return records::cell_start_metre(static_cast<std::int64_t>(k));
}

std::string trimmed(std::string_view text) {
  const auto first = text.find_first_not_of(' ');
  if (first == std::string_view::npos)
    return "";
  const auto last = text.find_last_not_of(' ');
  return std::string(text.substr(first, last - first + 1));
}

// Runs of equal values of one track field, skipping cells where `skip`.
template <typename Value, typename Skip>
std::vector<Step> steps(const records::CellArray& cells, Value value, Skip skip) {
  std::vector<Step> runs;
  for (std::size_t k = 0; k < cells.size(); ++k) {
    if (skip(cells[k]))
      continue;
    const int v = value(cells[k]);
    if (!runs.empty() && runs.back().end == cell_start(k) && runs.back().value == v) {
      runs.back().end = cell_start(k + 1);
    } else {
      runs.push_back({cell_start(k), cell_start(k + 1), v});
    }
  }
  return runs;
}

void add_stations(const records::HeaderTable& table, ScenarioView& view) {
  for (std::size_t slot = records::kFirstStationSlot; slot <= records::kFirstBoardTextSlot;
       ++slot) {
    if (records::slot_role(table, slot) != records::SlotRole::kStation)
      continue;
    const records::TableRecord& record = table[slot];
    view.stations.push_back({text::cp1252_to_utf8(record.text), record.long_c, record.kind});
  }
}

void add_cell_items(const records::HeaderTable& table, const records::CellArray& cells,
                    ScenarioView& view) {
  for (std::size_t k = 0; k < cells.size(); ++k) {
    const records::CellRecord& cell = cells[k];
    switch (cell.type) {
      case records::kSignal:
        view.signals.push_back({item_position(k), (cell.value_d % 10) / 3});
        break;
      case records::kSlowStart:
        view.slow_sections.push_back(slow_section(cells, k));
        break;
      case records::kSpeedIndicator:
        // Packed as left / 5 × 100 + right / 5.
        view.boards.push_back(
            {item_position(k), false, "", cell.value_a / 100 * 5, cell.value_a % 100 * 5});
        break;
      case records::kSignBoard: {
        const auto slot = static_cast<std::size_t>(cell.value_a);
        const std::string text = slot < table.size() ? board_caption(table[slot].text) : "";
        view.boards.push_back({item_position(k), true, text, 0, 0});
        break;
      }
      case records::kAbatementWithSpeed:
      case records::kAbatementWithoutSpeed:
        view.abatement_points.push_back(item_position(k));
        break;
      default:
        break;
    }
  }
}

void add_terrain(const records::CellArray& cells, ScenarioView& view) {
  for (std::size_t k = 0; k < cells.size(); ++k) {
    const records::CellRecord& cell = cells[k];
    if (cell.terrain == 0)
      continue;
    const bool marker = cell.type == records::kTunnelMarker;
    if (!view.terrain.empty() && view.terrain.back().end == cell_start(k) &&
        view.terrain.back().terrain == cell.terrain) {
      view.terrain.back().end = cell_start(k + 1);
      view.terrain.back().tunnel = view.terrain.back().tunnel || marker;
    } else {
      view.terrain.push_back({cell_start(k), cell_start(k + 1), cell.terrain, marker});
    }
  }
}

// The class whose curvature lies nearest, by ratio, to `per_metre`; 0 when
// it is under half the gentlest class's.
int nearest_class(double per_metre) {
  const double turn = std::abs(per_metre);
  if (turn < line::kCurvatureClasses[0].per_metre / 2)
    return 0;
  int best = 0;
  double best_ratio = 0;
  for (const line::CurvatureClass& curvature_class : line::kCurvatureClasses) {
    const double ratio = std::abs(std::log(turn / curvature_class.per_metre));
    if (best == 0 || ratio < best_ratio) {
      best = curvature_class.number;
      best_ratio = ratio;
    }
  }
  return best;
}

bool plan_point_set(const records::PlanArray& plan, std::int32_t metre) {
  return plan.kind(metre, records::PlanArray::kX) != records::PlanArray::Kind::kUnset &&
         plan.kind(metre, records::PlanArray::kY) != records::PlanArray::Kind::kUnset;
}

// Heights at the edges of the gradient steps, from 0 at the start.
std::vector<HeightPoint> height_points(const ScenarioView& view) {
  std::vector<HeightPoint> points;
  double height = 0.0;
  for (const Step& step : view.gradients) {
    if (step.start >= view.line_length && view.line_length > 0)
      break;
    const double end = view.line_length > 0
                           ? std::min<double>(static_cast<double>(step.end), view.line_length)
                           : static_cast<double>(step.end);
    if (points.empty())
      points.push_back({static_cast<double>(step.start), height});
    height += step.value * (end - static_cast<double>(step.start)) / 1000.0;
    points.push_back({end, height});
  }
  return points;
}

}  // namespace

std::vector<CurveStretch> curve_stretches(const records::PlanArray& plan) {
  using records::PlanArray;
  std::vector<CurveStretch> stretches;
  const auto x = plan.values(PlanArray::kX);
  const auto y = plan.values(PlanArray::kY);
  for (std::int32_t metre = 0; metre <= plan.last_metre(); ++metre) {
    if (!plan_point_set(plan, metre))
      break;
    int curve_class = 0;
    int side = 0;
    if (metre >= 2) {
      // A curve step turns the step before by c: the cross product of the
      // two steps is -c times the first one's length squared.
      const auto m = static_cast<std::size_t>(metre);
      const double dx1 = x[m - 1] - x[m - 2], dy1 = y[m - 1] - y[m - 2];
      const double dx2 = x[m] - x[m - 1], dy2 = y[m] - y[m - 1];
      const double length = dx1 * dx1 + dy1 * dy1;
      const double c = length > 0 ? -(dx1 * dy2 - dy1 * dx2) / length : 0.0;
      curve_class = nearest_class(c);
      side = curve_class == 0 ? 0 : (c > 0 ? 1 : -1);
    }
    if (!stretches.empty() && stretches.back().curve_class == curve_class &&
        stretches.back().side == side) {
      stretches.back().end = metre;
    } else {
      stretches.push_back({metre == 0 ? 0 : metre - 1, metre, curve_class, side});
    }
  }
  return stretches;
}

SlowSection slow_section(const records::CellArray& cells, std::size_t start) {
  SlowSection section{item_position(start), item_position(start), cells[start].value_a, {}};
  for (std::size_t k = start + 1; k < cells.size(); ++k) {
    if (cells[k].type == records::kSlowEnd) {
      section.end = item_position(k);
      break;
    }
  }
  // The warning point stands 1200 m, 24 cells, before the start; a start
  // off the 50 m grid may shift it by a cell.
  for (std::size_t back : {24, 23, 25}) {
    if (start >= back && cells[start - back].type == records::kWarningPoint) {
      section.warning = item_position(start - back);
      break;
    }
  }
  return section;
}

std::string board_caption(std::string_view cp1252) {
  std::string caption;
  std::string_view rest = cp1252;
  while (!rest.empty()) {
    const auto open = rest.find('(');
    const auto close = rest.find(')', open == std::string_view::npos ? 0 : open);
    if (open == std::string_view::npos || close == std::string_view::npos) {
      const std::string tail = trimmed(rest);
      if (!tail.empty())
        caption += (caption.empty() ? "" : " · ") + text::cp1252_to_utf8(tail);
      break;
    }
    const std::string line = trimmed(rest.substr(open + 1, close - open - 1));
    if (!line.empty())
      caption += (caption.empty() ? "" : " · ") + text::cp1252_to_utf8(line);
    rest.remove_prefix(close + 1);
  }
  return caption;
}

ScenarioView scenario_view(const records::HeaderTable& table, const records::CellArray& cells,
                           std::optional<records::PlanArray> plan) {
  ScenarioView view;
  view.line_id = text::cp1252_to_utf8(table[records::kLineSlot].text);
  view.train_number = text::cp1252_to_utf8(table[records::kRunSlot].text);
  view.line_length = table[records::kTrainValuesSlot].long_b;
  view.track_end = cell_start(cells.size());
  add_stations(table, view);
  add_cell_items(table, cells, view);
  view.speed_limits = steps(
      cells, [](const records::CellRecord& c) { return c.speed_limit * 5; },
      [](const records::CellRecord&) { return false; });
  view.gradients = steps(
      cells, [](const records::CellRecord& c) { return c.gradient - 100; },
      [](const records::CellRecord& c) { return c.gradient == 0; });
  view.adhesions = steps(
      cells, [](const records::CellRecord& c) { return static_cast<int>(c.adhesion); },
      [](const records::CellRecord&) { return false; });
  view.heights = height_points(view);
  add_terrain(cells, view);
  if (plan)
    view.curves = curve_stretches(*plan);
  view.plan = std::move(plan);
  return view;
}

}  // namespace scenario::tools

#include "tools/view/view_data.h"

#include <algorithm>
#include <cmath>
#include <map>
#include <set>
#include <span>
#include <sstream>

#include "line/curvature_classes.h"
#include "records/kilometre_text.h"
#include "records/slot_roles.h"
#include "records/track_geometry.h"
#include "text/cp1252.h"
#include "tools/cell_description.h"
#include "tools/json_writer.h"
#include "tools/record_fields.h"
#include "tools/scenario_view.h"

namespace scenario::tools {
namespace {

using records::PlanArray;

// The plan's kinds of one column as runs [kind, count, kind, count, ...].
void kind_runs(const PlanArray& plan, int column, JsonWriter& json) {
  json.begin_array();
  const auto kinds = plan.kinds(column);
  for (std::size_t i = 0; i < kinds.size();) {
    std::size_t run = i;
    while (run < kinds.size() && kinds[run] == kinds[i])
      ++run;
    json.number(static_cast<std::int64_t>(kinds[i]));
    json.number(static_cast<std::int64_t>(run - i));
    i = run;
  }
  json.end_array();
}

// The curvatures a metre may turn by: straight (0), and each curve class to
// either side, as the line compiler's walk computes them.
std::vector<double> walk_curvatures() {
  std::vector<double> curvatures{0.0};
  for (const line::CurvatureClass& curvature_class : line::kCurvatureClasses) {
    curvatures.push_back(curvature_class.per_metre);
    curvatures.push_back(-curvature_class.per_metre);
  }
  return curvatures;
}

// Whether metre m's point is the one the line compiler's walk computes from
// the two before it with curvature c (plan_geometry.h), to the last bit.
bool walked(std::span<const double> x, std::span<const double> y, std::size_t m, double c) {
  const double dx = x[m - 1] - x[m - 2];
  const double dy = y[m - 1] - y[m - 2];
  if (c == 0.0)
    return x[m] == x[m - 1] + dx && y[m] == y[m - 1] + dy;
  return x[m] == x[m - 1] + (dx + c * dy) && y[m] == y[m - 1] + (dy - c * dx);
}

// One coordinate as it stands: JSON has no NaN or infinity, so those go as
// the words JavaScript reads back with Number().
void point_coordinate(double value, JsonWriter& json) {
  if (std::isfinite(value))
    json.number(value);
  else
    json.string(std::isnan(value) ? "NaN" : value > 0 ? "Infinity" : "-Infinity");
}

// The plan's points, every metre, exactly and small: the file's values are
// described as the walk that the line compiler takes, runs of metres that
// follow from the two before them by one curvature, checked here bit for
// bit, and every other point written out. The page repeats the same IEEE
// double operations in the same order and gets the same values back; a
// file not made by the compiler only has more points written out. The
// program is an array of steps: [c, n] for n walked metres with curvature
// c, ["p", x, y] for one point as it stands (0 and 0 for an unset element;
// "NaN", "Infinity" or "-Infinity" for a value JSON cannot hold).
void plan_program(const PlanArray& plan, JsonWriter& json) {
  const auto x = plan.values(PlanArray::kX);
  const auto y = plan.values(PlanArray::kY);
  const auto x_kinds = plan.kinds(PlanArray::kX);
  const auto y_kinds = plan.kinds(PlanArray::kY);
  const std::vector<double> curvatures = walk_curvatures();
  auto walkable = [&](std::size_t m) {
    return m >= 2 && x_kinds[m] == PlanArray::Kind::kDouble &&
           y_kinds[m] == PlanArray::Kind::kDouble && x_kinds[m - 1] != PlanArray::Kind::kUnset &&
           y_kinds[m - 1] != PlanArray::Kind::kUnset && x_kinds[m - 2] != PlanArray::Kind::kUnset &&
           y_kinds[m - 2] != PlanArray::Kind::kUnset;
  };
  json.begin_array();
  double run_curvature = 0.0;
  std::int64_t run_length = 0;
  auto end_run = [&] {
    if (run_length == 0)
      return;
    json.begin_array();
    json.number(run_curvature);
    json.number(run_length);
    json.end_array();
    run_length = 0;
  };
  for (std::size_t m = 0; m < x.size(); ++m) {
    if (walkable(m)) {
      if (run_length > 0 && walked(x, y, m, run_curvature)) {
        ++run_length;
        continue;
      }
      const auto found = std::find_if(curvatures.begin(), curvatures.end(),
                                      [&](double c) { return walked(x, y, m, c); });
      if (found != curvatures.end()) {
        end_run();
        run_curvature = *found;
        run_length = 1;
        continue;
      }
    }
    end_run();
    json.begin_array();
    json.string("p");
    point_coordinate(x[m], json);
    point_coordinate(y[m], json);
    json.end_array();
  }
  end_run();
  json.end_array();
}

void steps_json(const char* name, const std::vector<Step>& steps, JsonWriter& json) {
  json.key(name);
  json.begin_array();
  for (const Step& step : steps) {
    json.number(step.start);
    json.number(step.end);
    json.number(std::int64_t{step.value});
  }
  json.end_array();
}

// The cell whose occupant of `type` names header slot `slot`, if any.
std::optional<std::size_t> cell_naming(const records::CellArray& cells, std::uint8_t type,
                                       std::size_t slot) {
  for (std::size_t k = 0; k < cells.size(); ++k) {
    if (cells[k].type == type && static_cast<std::size_t>(cells[k].value_a) == slot)
      return k;
  }
  return std::nullopt;
}

void slots_json(const records::HeaderTable& table, JsonWriter& json) {
  json.key("slots");
  json.begin_array();
  for (std::size_t slot = 0; slot < table.size(); ++slot) {
    if (records::is_empty(table[slot]))
      continue;
    const records::SlotRole role = records::slot_role(table, slot);
    json.begin_object();
    json.member("slot", static_cast<std::int64_t>(slot));
    json.member("role", records::slot_role_name(role));
    json.key("fields");
    json.begin_array();
    visit_texts(table[slot], [&](std::string_view name, const std::string& text) {
      json.begin_array();
      json.string(name);
      json.string(text::cp1252_to_utf8(text));
      json.string(records::field_meaning(role, name));
      json.end_array();
    });
    visit_numbers(table[slot], [&](std::string_view name, std::int64_t value) {
      json.begin_array();
      json.string(name);
      json.string(std::to_string(value));
      json.string(records::field_meaning(role, name));
      json.end_array();
    });
    json.end_array();
    json.end_object();
  }
  json.end_array();
}

// The cells column by column, the occupants' fields described for every
// cell that has one, and the track fields' texts once per value that
// occurs.
void cells_json(const CompiledScenario& scenario, JsonWriter& json) {
  const records::CellArray& cells = scenario.cells;
  std::vector<std::string> names;
  visit_numbers(records::CellRecord{},
                [&](std::string_view name, std::int64_t) { names.emplace_back(name); });
  std::map<std::string, std::vector<std::int64_t>> columns;
  for (const records::CellRecord& cell : cells) {
    visit_numbers(cell, [&](std::string_view name, std::int64_t value) {
      columns[std::string(name)].push_back(value);
    });
  }
  json.key("fields");
  json.begin_array();
  for (const std::string& name : names)
    json.string(name);
  json.end_array();
  // Each field's values from cell 0 on, as runs [value, count, ...].
  json.key("columns");
  json.begin_object();
  for (const std::string& name : names) {
    json.key(name);
    json.begin_array();
    const std::vector<std::int64_t>& column = columns[name];
    for (std::size_t i = 0; i < column.size();) {
      std::size_t run = i;
      while (run < column.size() && column[run] == column[i])
        ++run;
      json.number(column[i]);
      json.number(static_cast<std::int64_t>(run - i));
      i = run;
    }
    json.end_array();
  }
  json.end_object();

  json.key("track_texts");
  json.begin_object();
  for (const std::string& name : names) {
    if (!is_track_field(name))
      continue;
    json.key(name);
    json.begin_object();
    std::set<std::int64_t> values(columns[name].begin(), columns[name].end());
    for (std::int64_t value : values) {
      const FieldText text = describe_track_field(name, value);
      json.key(std::to_string(value));
      json.begin_array();
      json.string(text.meaning);
      json.string(text.shown);
      json.end_array();
    }
    json.end_object();
  }
  json.end_object();

  // What the occupant fields mean depends on the occupant: each set of
  // meanings is written once, and each cell with an occupant or a value
  // names its set and gives the values in words, field by field.
  std::vector<std::string> occupant_fields;
  for (const DescribedField& field : describe_cell(cells, scenario.table, 0)) {
    if (!is_track_field(field.name))
      occupant_fields.emplace_back(field.name);
  }
  json.key("occupant_fields");
  json.begin_array();
  for (const std::string& name : occupant_fields)
    json.string(name);
  json.end_array();
  std::map<std::vector<std::string>, std::size_t> meaning_sets;
  std::vector<const std::vector<std::string>*> sets_in_order;
  auto set_of = [&](const std::vector<DescribedField>& fields) {
    std::vector<std::string> meanings;
    for (const DescribedField& field : fields) {
      if (!is_track_field(field.name))
        meanings.push_back(field.text.meaning);
    }
    const auto [at, added] = meaning_sets.emplace(std::move(meanings), meaning_sets.size());
    if (added)
      sets_in_order.push_back(&at->first);
    return at->second;
  };
  // Set 0: a free cell without values, for every cell not listed.
  const records::CellArray one_free(3);
  set_of(describe_cell(one_free, scenario.table, 2));
  json.key("occupants");
  json.begin_object();
  for (std::size_t k = 0; k < cells.size(); ++k) {
    const records::CellRecord& cell = cells[k];
    if (cell.type == records::kFree && cell.value_a == 0 && cell.value_b == 0 &&
        cell.value_c == 0 && cell.value_d == 0 && cell.tempo == 0)
      continue;
    const std::vector<DescribedField> fields = describe_cell(cells, scenario.table, k);
    json.key(std::to_string(k));
    json.begin_array();
    json.number(static_cast<std::int64_t>(set_of(fields)));
    for (const DescribedField& field : fields) {
      if (!is_track_field(field.name))
        json.string(field.text.shown);
    }
    json.end_array();
  }
  json.end_object();
  json.key("occupant_meanings");
  json.begin_array();
  for (const std::vector<std::string>* meanings : sets_in_order) {
    json.begin_array();
    for (const std::string& meaning : *meanings)
      json.string(meaning);
    json.end_array();
  }
  json.end_array();
}

void items_json(const ScenarioView& view, const CompiledScenario& scenario, JsonWriter& json) {
  const records::HeaderTable& table = scenario.table;
  json.key("stations");
  json.begin_array();
  for (std::size_t slot = records::kFirstStationSlot; slot <= records::kFirstBoardTextSlot;
       ++slot) {
    if (records::slot_role(table, slot) != records::SlotRole::kStation)
      continue;
    json.begin_object();
    json.member("name", text::cp1252_to_utf8(table[slot].text));
    json.member("position", std::int64_t{table[slot].long_c});
    json.member("slot", static_cast<std::int64_t>(slot));
    const auto stop = cell_naming(scenario.cells, records::kStationStop, slot);
    json.key("cell");
    if (stop)
      json.number(static_cast<std::int64_t>(*stop));
    else
      json.null();
    json.end_object();
  }
  json.end_array();

  // Items by their cell: the page shows each at (cell - 1) × 50 m.
  json.key("items");
  json.begin_array();
  for (std::size_t k = 0; k < scenario.cells.size(); ++k) {
    const records::CellRecord& cell = scenario.cells[k];
    const char* kind = nullptr;
    std::string text;
    int detail = 0;
    switch (cell.type) {
      case records::kSignal:
        kind = "signal";
        detail = (cell.value_d % 10) / 3;
        break;
      case records::kSlowStart:
        kind = "slow";
        detail = cell.value_a;
        break;
      case records::kWarningPoint:
        kind = "warning";
        break;
      case records::kSpeedIndicator:
        kind = "indicator";
        break;
      case records::kSignBoard: {
        kind = "board";
        const auto slot = static_cast<std::size_t>(cell.value_a);
        text = slot < table.size() ? board_caption(table[slot].text) : "";
        detail = cell.value_a;
        break;
      }
      case records::kAbatementWithSpeed:
      case records::kAbatementWithoutSpeed:
        kind = "abatement";
        break;
      default:
        break;
    }
    if (kind == nullptr)
      continue;
    json.begin_array();
    json.string(kind);
    json.number(static_cast<std::int64_t>(k));
    json.number(records::item_position(static_cast<std::int64_t>(k)));
    json.number(std::int64_t{detail});
    json.string(text);
    json.end_array();
  }
  json.end_array();

  json.key("slow_sections");
  json.begin_array();
  for (const SlowSection& section : view.slow_sections) {
    json.number(section.start);
    json.number(section.end);
    json.number(std::int64_t{section.speed});
  }
  json.end_array();
  steps_json("speed_limits", view.speed_limits, json);
  steps_json("gradients", view.gradients, json);
  steps_json("adhesions", view.adhesions, json);
  json.key("terrain");
  json.begin_array();
  for (const TerrainStretch& stretch : view.terrain) {
    json.number(stretch.start);
    json.number(stretch.end);
    json.number(std::int64_t{stretch.terrain});
    json.number(std::int64_t{stretch.tunnel ? 1 : 0});
  }
  json.end_array();
  json.key("curves");
  json.begin_array();
  for (const CurveStretch& curve : view.curves) {
    json.number(curve.start);
    json.number(curve.end);
    json.number(std::int64_t{curve.curve_class});
    json.number(std::int64_t{curve.side});
  }
  json.end_array();
  json.key("heights");
  json.begin_array();
  for (const HeightPoint& point : view.heights) {
    json.number(point.position);
    json.number(point.height);
  }
  json.end_array();
}

}  // namespace

std::string view_data_json(const CompiledScenario& scenario) {
  // The plan stays where it is: the view needs only its curves.
  ScenarioView view = scenario_view(scenario.table, scenario.cells, std::nullopt);
  if (scenario.plan)
    view.curves = curve_stretches(*scenario.plan);
  std::ostringstream out;
  JsonWriter json(out);
  json.begin_object();
  json.member("line_id", view.line_id);
  json.member("train", view.train_number);
  json.member("line_length", view.line_length);
  json.member("track_end", view.track_end);
  json.member("metres_per_cell", records::kMetresPerCell);
  json.key("curves_from_plan");
  json.boolean(scenario.plan.has_value());
  cells_json(scenario, json);
  slots_json(scenario.table, json);
  items_json(view, scenario, json);
  json.key("plan");
  if (scenario.plan) {
    json.begin_object();
    json.member("last_metre", std::int64_t{scenario.plan->last_metre()});
    json.key("x_kinds");
    kind_runs(*scenario.plan, PlanArray::kX, json);
    json.key("y_kinds");
    kind_runs(*scenario.plan, PlanArray::kY, json);
    json.key("points");
    plan_program(*scenario.plan, json);
    json.end_object();
  } else {
    json.null();
  }
  json.end_object();
  std::string text = out.str();
  for (std::size_t at = text.find("</"); at != std::string::npos; at = text.find("</", at + 3))
    text.replace(at, 2, "<\\/");
  return text;
}

}  // namespace scenario::tools

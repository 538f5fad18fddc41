#include "tools/view/view_data.h"

#include <bit>
#include <map>
#include <set>
#include <sstream>

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

std::string base64(const std::string& bytes) {
  static constexpr char kAlphabet[] =
      "ABCDEFGHIJKLMNOPQRSTUVWXYZabcdefghijklmnopqrstuvwxyz0123456789+/";
  std::string text;
  text.reserve((bytes.size() + 2) / 3 * 4);
  std::size_t i = 0;
  for (; i + 2 < bytes.size(); i += 3) {
    const std::uint32_t n = static_cast<std::uint32_t>(static_cast<unsigned char>(bytes[i])) << 16 |
                            static_cast<std::uint32_t>(static_cast<unsigned char>(bytes[i + 1]))
                                << 8 |
                            static_cast<unsigned char>(bytes[i + 2]);
    text += kAlphabet[n >> 18];
    text += kAlphabet[(n >> 12) & 63];
    text += kAlphabet[(n >> 6) & 63];
    text += kAlphabet[n & 63];
  }
  if (i < bytes.size()) {
    std::uint32_t n = static_cast<std::uint32_t>(static_cast<unsigned char>(bytes[i])) << 16;
    if (i + 1 < bytes.size())
      n |= static_cast<std::uint32_t>(static_cast<unsigned char>(bytes[i + 1])) << 8;
    text += kAlphabet[n >> 18];
    text += kAlphabet[(n >> 12) & 63];
    text += i + 1 < bytes.size() ? kAlphabet[(n >> 6) & 63] : '=';
    text += '=';
  }
  return text;
}

// A column of the plan: its values as little-endian doubles in base64, its
// kinds as runs [kind, count, kind, count, ...].
void plan_column(const PlanArray& plan, int column, const char* name, JsonWriter& json) {
  const auto values = plan.values(column);
  std::string bytes;
  bytes.reserve(values.size() * 8);
  for (double value : values) {
    const auto bits = std::bit_cast<std::uint64_t>(value);
    for (int shift = 0; shift < 64; shift += 8)
      bytes += static_cast<char>((bits >> shift) & 0xFF);
  }
  json.key(name);
  json.begin_object();
  json.member("values", base64(bytes));
  json.key("kinds");
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
  json.end_object();
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
  json.key("columns");
  json.begin_object();
  for (const std::string& name : names) {
    json.key(name);
    json.begin_array();
    for (std::int64_t value : columns[name])
      json.number(value);
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

  // Occupant fields of a free cell with no value: the same words for all.
  json.key("free_texts");
  json.begin_object();
  const records::CellArray one_free(3);
  for (const DescribedField& field : describe_cell(one_free, scenario.table, 2)) {
    if (is_track_field(field.name))
      continue;
    json.key(field.name);
    json.begin_array();
    json.string(field.text.meaning);
    json.string(field.text.shown);
    json.end_array();
  }
  json.end_object();

  json.key("occupants");
  json.begin_object();
  for (std::size_t k = 0; k < cells.size(); ++k) {
    const records::CellRecord& cell = cells[k];
    if (cell.type == records::kFree && cell.value_a == 0 && cell.value_b == 0 &&
        cell.value_c == 0 && cell.value_d == 0 && cell.tempo == 0)
      continue;
    json.key(std::to_string(k));
    json.begin_object();
    for (const DescribedField& field : describe_cell(cells, scenario.table, k)) {
      if (is_track_field(field.name))
        continue;
      json.key(field.name);
      json.begin_array();
      json.string(field.text.meaning);
      json.string(field.text.shown);
      json.end_array();
    }
    json.end_object();
  }
  json.end_object();
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
    plan_column(*scenario.plan, PlanArray::kX, "x", json);
    plan_column(*scenario.plan, PlanArray::kY, "y", json);
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

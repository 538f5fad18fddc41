#include "tools/scenario_view.h"

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

}  // namespace

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
  add_terrain(cells, view);
  view.plan = std::move(plan);
  return view;
}

}  // namespace scenario::tools

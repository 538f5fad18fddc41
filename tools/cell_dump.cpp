#include "tools/cell_dump.h"

#include <algorithm>

#include "records/kilometre_text.h"
#include "records/track_geometry.h"
#include "tools/cell_description.h"
#include "tools/display_text.h"
#include "tools/record_fields.h"

namespace scenario::tools {
namespace {

// The raw value, and what it means where the field is a scaled one.
std::string shown_value(std::string_view field, std::int64_t value) {
  std::string shown = std::to_string(value);
  if (field == "speed_limit" || field == "gradient")
    shown += " (" + describe_track_field(field, value).shown + ")";
  return shown;
}

}  // namespace

void list_cells(const records::CellArray& cells, bool all, std::ostream& out) {
  const auto empty =
      static_cast<std::size_t>(std::count(cells.begin(), cells.end(), records::CellRecord{}));
  out << "celle da 0 a " << cells.size() - 1 << " (cella k: da km k × " << records::kMetresPerCell
      << " m; i campi non elencati valgono 0";
  if (!all && empty > 0) {
    out << "; " << empty << (empty == 1 ? " cella vuota non elencata" : " celle vuote non elencate")
        << ", --all elenca anche " << (empty == 1 ? "quella" : "quelle");
  }
  out << ")\n";
  const std::size_t index_width = std::to_string(cells.size() - 1).size();
  for (std::size_t index = 0; index < cells.size(); ++index) {
    const records::CellRecord& cell = cells[index];
    if (!all && cell == records::CellRecord{})
      continue;
    std::string line =
        "cella " + std::string(index_width - std::to_string(index).size(), ' ') +
        std::to_string(index) + "  km " +
        padded(records::kilometre_text(records::cell_start_metre(static_cast<std::int64_t>(index))),
               9) +
        padded(records::cell_type_name(cell.type), 28);
    visit_numbers(cell, [&](std::string_view name, std::int64_t value) {
      if (value != 0 && name != "type")
        line += "  " + std::string(name) + " " + shown_value(name, value);
    });
    while (!line.empty() && line.back() == ' ')
      line.pop_back();
    out << line << '\n';
  }
}

void cells_json(const records::CellArray& cells, JsonWriter& json) {
  json.key("cells");
  json.begin_array();
  for (std::size_t index = 0; index < cells.size(); ++index) {
    json.begin_object();
    json.member("index", static_cast<std::int64_t>(index));
    json.member(
        "km", records::kilometre_text(records::cell_start_metre(static_cast<std::int64_t>(index))));
    json.member("type_name", records::cell_type_name(cells[index].type));
    visit_numbers(cells[index],
                  [&](std::string_view name, std::int64_t value) { json.member(name, value); });
    json.end_object();
  }
  json.end_array();
}

}  // namespace scenario::tools

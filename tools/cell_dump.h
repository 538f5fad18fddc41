#pragma once

#include <ostream>

#include "records/cell_record.h"
#include "tools/json_writer.h"

namespace scenario::tools {

// Metres from the start of the line where cell `index` begins: index × 50.
// (An item placed at position x stands in cell round(x / 50 + 1), a
// gradient or terrain stretch from x begins in cell round(x / 50).)
inline std::int64_t cell_start(std::size_t index) {
  return static_cast<std::int64_t>(index) * 50;
}

// Every cell: index, kilometre, occupant named, the non-zero fields (speed
// limit in km/h and gradient in per mille beside their raw values).
void list_cells(const records::CellArray& cells, std::ostream& out);

// Every cell with every field, as the members of a JSON object ("cells").
void cells_json(const records::CellArray& cells, JsonWriter& json);

}  // namespace scenario::tools

#pragma once

#include <ostream>

#include "records/cell_record.h"
#include "tools/json_writer.h"

namespace scenario::tools {

// The cells: index, kilometre, occupant named, the non-zero fields (speed
// limit in km/h and gradient in per mille beside their raw values). Cells
// whose every field is 0 are left out, and counted in the heading, unless
// `all`.
void list_cells(const records::CellArray& cells, bool all, std::ostream& out);

// Every cell with every field, as the members of a JSON object ("cells").
void cells_json(const records::CellArray& cells, JsonWriter& json);

}  // namespace scenario::tools

#pragma once

#include <ostream>

#include "records/cell_record.h"
#include "tools/json_writer.h"

namespace scenario::tools {

// Every cell: index, kilometre, occupant named, the non-zero fields (speed
// limit in km/h and gradient in per mille beside their raw values).
void list_cells(const records::CellArray& cells, std::ostream& out);

// Every cell with every field, as the members of a JSON object ("cells").
void cells_json(const records::CellArray& cells, JsonWriter& json);

}  // namespace scenario::tools

#pragma once

#include <string_view>

#include "records/cell_record.h"

namespace scenario::records {

// Reads a cell file back into the cell array: one or more cells of 15
// bytes. Throws DecodeError for an empty file or one whose size is not a
// multiple of 15.
CellArray decode_cell_file(std::string_view bytes);

}  // namespace scenario::records

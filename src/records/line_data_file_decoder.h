#pragma once

#include <string_view>

#include "records/plan_array.h"

namespace scenario::records {

// Reads a line data file back into the plan array: the x column, then the
// y column of the same length, each element a kind code 0, 2 or 5 and its
// data. Throws DecodeError for an unknown kind code, an element cut off by
// the end of the file, or elements that do not make two columns of equal
// length (at least metre 0).
PlanArray decode_line_data_file(std::string_view bytes);

}  // namespace scenario::records

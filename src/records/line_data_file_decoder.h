#pragma once

#include <string>
#include <string_view>
#include <vector>

#include "records/plan_array.h"

namespace scenario::records {

// Reads a line data file back into the plan array: the x column, then the
// y column of the same length, each element a kind code 0, 2 or 5 and its
// data. Throws DecodeError for an unknown kind code, an element cut off by
// the end of the file, or elements that do not make two columns of equal
// length (at least metre 0).
PlanArray decode_line_data_file(std::string_view bytes);

// How a decoded plan departs from the shape the line compiler always
// writes: in each column metres 0 and 1 16-bit integers, every later metre
// a double, the last two metres unset. A file cut short or lengthened by a
// few elements still decodes, as a plan whose columns are shifted; this
// says so. One Italian sentence per column that departs, naming how many
// metres do and the first of them; none for a compiled file.
std::vector<std::string> compiled_shape_departures(const PlanArray& plan);

}  // namespace scenario::records

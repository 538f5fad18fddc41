#pragma once

#include "records/little_endian_writer.h"
#include "records/plan_array.h"

namespace scenario::records {

// The line data file ("_linea.dat"): every plan element, column 0 (x) of all
// metres first, then column 1 (y), each as a 16-bit kind code (0 unset,
// 2 16-bit integer, 5 double) followed by its data. Layout in
// doc/line_data_file.md.
void encode_line_data_file(const PlanArray& plan, const ByteConsumer& out);

}  // namespace scenario::records

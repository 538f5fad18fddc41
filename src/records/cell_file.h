#pragma once

#include "records/cell_record.h"
#include "records/little_endian_writer.h"

namespace scenario::records {

// The cell file (".dat"): cells 0 to N, 15 bytes each. Layout in
// doc/cell_file.md.
void encode_cell_file(const CellArray& cells, const ByteConsumer& out);

}  // namespace scenario::records

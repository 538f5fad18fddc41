#pragma once

#include <string_view>

#include "records/table_record.h"

namespace scenario::records {

// Reads a scenario table file back into the header table: exactly 87
// records, nothing after them. Throws DecodeError for a file that ends
// inside a record or goes on after the last one.
HeaderTable decode_table_file(std::string_view bytes);

}  // namespace scenario::records

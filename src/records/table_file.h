#pragma once

#include "records/little_endian_writer.h"
#include "records/table_record.h"

namespace scenario::records {

// The scenario table file (".sim"): the 87 table records, slot 0 first, each
// 34 bytes plus the length of its text. Layout in doc/scenario_table_file.md.
void encode_table_file(const HeaderTable& table, const ByteConsumer& out);

}  // namespace scenario::records

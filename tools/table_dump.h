#pragma once

#include <cstddef>
#include <ostream>
#include <string>

#include "records/table_record.h"
#include "tools/json_writer.h"

namespace scenario::tools {

// The non-empty slots of a header table, each with its role, its text and
// its non-zero fields by name and meaning.
void list_table(const records::HeaderTable& table, std::ostream& out);

// Every slot with every field, as the members of a JSON object ("slots").
void table_json(const records::HeaderTable& table, JsonWriter& json);

}  // namespace scenario::tools

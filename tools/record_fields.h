#pragma once

#include <cstdint>
#include <span>
#include <string_view>

#include "records/cell_record.h"
#include "records/table_record.h"

namespace scenario::tools {

// The numeric fields of a table record in file order (the text, which
// stands between byte_a and short_a, apart), by their names.
struct TableField {
  std::string_view name;
  std::int64_t (*get)(const records::TableRecord&);
};
std::span<const TableField> table_fields();

// Every field of a cell record in file order.
struct CellField {
  std::string_view name;
  std::int64_t (*get)(const records::CellRecord&);
};
std::span<const CellField> cell_fields();

// True when every field is 0 and the text empty.
bool is_empty(const records::TableRecord& record);

}  // namespace scenario::tools

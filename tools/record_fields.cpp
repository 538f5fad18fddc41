#include "tools/record_fields.h"

#include <algorithm>
#include <array>

namespace scenario::tools {
namespace {

using records::CellRecord;
using records::TableRecord;

constexpr std::array<TableField, 15> kTableFields = {{
    {"kind", [](const TableRecord& r) -> std::int64_t { return r.kind; }},
    {"long_a", [](const TableRecord& r) -> std::int64_t { return r.long_a; }},
    {"long_b", [](const TableRecord& r) -> std::int64_t { return r.long_b; }},
    {"long_c", [](const TableRecord& r) -> std::int64_t { return r.long_c; }},
    {"byte_a", [](const TableRecord& r) -> std::int64_t { return r.byte_a; }},
    {"short_a", [](const TableRecord& r) -> std::int64_t { return r.short_a; }},
    {"short_b", [](const TableRecord& r) -> std::int64_t { return r.short_b; }},
    {"short_c", [](const TableRecord& r) -> std::int64_t { return r.short_c; }},
    {"short_d", [](const TableRecord& r) -> std::int64_t { return r.short_d; }},
    {"short_e", [](const TableRecord& r) -> std::int64_t { return r.short_e; }},
    {"byte_b", [](const TableRecord& r) -> std::int64_t { return r.byte_b; }},
    {"byte_c", [](const TableRecord& r) -> std::int64_t { return r.byte_c; }},
    {"byte_d", [](const TableRecord& r) -> std::int64_t { return r.byte_d; }},
    {"byte_e", [](const TableRecord& r) -> std::int64_t { return r.byte_e; }},
    {"long_d", [](const TableRecord& r) -> std::int64_t { return r.long_d; }},
}};

constexpr std::array<CellField, 11> kCellFields = {{
    {"type", [](const CellRecord& c) -> std::int64_t { return c.type; }},
    {"value_a", [](const CellRecord& c) -> std::int64_t { return c.value_a; }},
    {"value_b", [](const CellRecord& c) -> std::int64_t { return c.value_b; }},
    {"value_c", [](const CellRecord& c) -> std::int64_t { return c.value_c; }},
    {"value_d", [](const CellRecord& c) -> std::int64_t { return c.value_d; }},
    {"tempo", [](const CellRecord& c) -> std::int64_t { return c.tempo; }},
    {"approach", [](const CellRecord& c) -> std::int64_t { return c.approach; }},
    {"terrain", [](const CellRecord& c) -> std::int64_t { return c.terrain; }},
    {"speed_limit", [](const CellRecord& c) -> std::int64_t { return c.speed_limit; }},
    {"gradient", [](const CellRecord& c) -> std::int64_t { return c.gradient; }},
    {"adhesion", [](const CellRecord& c) -> std::int64_t { return c.adhesion; }},
}};

}  // namespace

std::span<const TableField> table_fields() {
  return kTableFields;
}

std::span<const CellField> cell_fields() {
  return kCellFields;
}

bool is_empty(const records::TableRecord& record) {
  return record.text.empty() &&
         std::all_of(kTableFields.begin(), kTableFields.end(),
                     [&](const TableField& f) { return f.get(record) == 0; });
}

}  // namespace scenario::tools

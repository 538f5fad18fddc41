#pragma once

#include <array>
#include <concepts>
#include <cstddef>
#include <cstdint>
#include <string>
#include <tuple>
#include <type_traits>
#include <utility>

#include "records/record_field.h"

namespace scenario::records {

// One slot of the header table. `text` holds Windows-1252 bytes. What each
// field holds depends on the slot (records/slot_roles.h).
struct TableRecord {
  std::uint8_t kind = 0;
  std::int32_t long_a = 0;
  std::int32_t long_b = 0;
  std::int32_t long_c = 0;
  std::uint8_t byte_a = 0;
  std::string text;
  std::int16_t short_a = 0;
  std::int16_t short_b = 0;
  std::int16_t short_c = 0;
  std::int16_t short_d = 0;
  std::int16_t short_e = 0;
  std::uint8_t byte_b = 0;
  std::uint8_t byte_c = 0;
  std::uint8_t byte_d = 0;
  std::uint8_t byte_e = 0;
  std::int32_t long_d = 0;

  bool operator==(const TableRecord&) const = default;
};

// The fields of a table record in the order the scenario table file holds
// them, each with its name; the member's type gives its width in the file
// (records/record_codec.h). Layout in doc/scenario_table_file.md.
// clang-format off
inline constexpr std::tuple kTableRecordFields{
    RecordField("kind", &TableRecord::kind),
    RecordField("long_a", &TableRecord::long_a),
    RecordField("long_b", &TableRecord::long_b),
    RecordField("long_c", &TableRecord::long_c),
    RecordField("byte_a", &TableRecord::byte_a),
    RecordField("text", &TableRecord::text),
    RecordField("short_a", &TableRecord::short_a),
    RecordField("short_b", &TableRecord::short_b),
    RecordField("short_c", &TableRecord::short_c),
    RecordField("short_d", &TableRecord::short_d),
    RecordField("short_e", &TableRecord::short_e),
    RecordField("byte_b", &TableRecord::byte_b),
    RecordField("byte_c", &TableRecord::byte_c),
    RecordField("byte_d", &TableRecord::byte_d),
    RecordField("byte_e", &TableRecord::byte_e),
    RecordField("long_d", &TableRecord::long_d),
};
// clang-format on

// Calls visit(name, member) for every field of `record` in file order.
template <typename Record, typename Visitor>
requires std::same_as<std::remove_const_t<Record>, TableRecord>
constexpr void visit_fields(Record& record, Visitor&& visit) {
  visit_each_field(kTableRecordFields, record, std::forward<Visitor>(visit));
}

// True when every number is 0 and the text empty.
inline bool is_empty(const TableRecord& record) {
  return record == TableRecord{};
}

// The header table: exactly 87 slots, 0 to 86.
inline constexpr std::size_t kHeaderSlots = 87;
using HeaderTable = std::array<TableRecord, kHeaderSlots>;

// Sets every field of all 87 records to zero and every text to empty.
inline void reset(HeaderTable& table) {
  table.fill(TableRecord{});
}

}  // namespace scenario::records

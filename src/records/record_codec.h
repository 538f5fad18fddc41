#pragma once

#include <array>
#include <cstddef>
#include <cstdint>
#include <string>
#include <tuple>
#include <type_traits>
#include <utility>

#include "records/little_endian_reader.h"
#include "records/little_endian_writer.h"
#include "records/record_field.h"

namespace scenario::records {

// How a field of a binary record is written and read, by its member's type:
// std::uint8_t 1 byte, std::int16_t 2, std::int32_t 4, all little-endian; a
// text an unsigned 16-bit byte count, then the bytes. A member of any other
// type does not compile.

// The bytes a field takes whatever it holds: the count alone for a text.
template <typename Member>
constexpr std::size_t fixed_bytes() {
  if constexpr (std::is_same_v<Member, std::uint8_t>)
    return 1;
  else if constexpr (std::is_same_v<Member, std::int16_t>)
    return 2;
  else if constexpr (std::is_same_v<Member, std::int32_t>)
    return 4;
  else if constexpr (kIsTextField<Member>)
    return 2;
  else
    static_assert(sizeof(Member) == 0, "a record field is uint8, int16, int32 or a text");
}

// Appends a field.
template <typename Member>
void write_field(LittleEndianWriter& writer, const Member& value) {
  static_assert(fixed_bytes<Member>() > 0);
  if constexpr (std::is_same_v<Member, std::uint8_t>)
    writer.u8(value);
  else if constexpr (std::is_same_v<Member, std::int16_t>)
    writer.i16(value);
  else if constexpr (std::is_same_v<Member, std::int32_t>)
    writer.i32(value);
  else
    writer.counted_text(value);
}

// Reads a numeric field; a text is read by read_record.
template <typename Member>
void read_number(LittleEndianReader& reader, Member& value) {
  static_assert(fixed_bytes<Member>() > 0 && !kIsTextField<Member>);
  if constexpr (std::is_same_v<Member, std::uint8_t>)
    value = reader.u8();
  else if constexpr (std::is_same_v<Member, std::int16_t>)
    value = reader.i16();
  else
    value = reader.i32();
}

// Appends every field of `record` in file order.
template <typename Record>
void write_record(LittleEndianWriter& writer, const Record& record) {
  visit_fields(record, [&](std::string_view, const auto& value) { write_field(writer, value); });
}

namespace record_codec_detail {

template <typename Fields, std::size_t i>
using MemberAt = typename std::tuple_element_t<i, Fields>::MemberType;

// fixed_bytes() of each field of `Fields`, and whether it is a text.
template <typename Fields>
struct FieldWidths {
  static constexpr std::size_t kCount = std::tuple_size_v<Fields>;
  std::array<std::size_t, kCount> bytes{};
  std::array<bool, kCount> text{};
};
template <typename Fields>
constexpr FieldWidths<Fields> field_widths() {
  FieldWidths<Fields> widths;
  [&]<std::size_t... i>(std::index_sequence<i...>) {
    ((widths.bytes[i] = fixed_bytes<MemberAt<Fields, i>>()), ...);
    ((widths.text[i] = kIsTextField<MemberAt<Fields, i>>), ...);
  }
  (std::make_index_sequence<FieldWidths<Fields>::kCount>());
  return widths;
}

// For each field i of `Fields`, the bytes from its start up to the next
// text's contents: the fields from i to the next text, its count included,
// or to the end of the record. One more entry, 0, for the end.
template <typename Fields>
constexpr auto fixed_stretches() {
  constexpr FieldWidths<Fields> widths = field_widths<Fields>();
  std::array<std::size_t, widths.kCount + 1> stretches{};
  for (std::size_t i = widths.kCount; i-- > 0;)
    stretches[i] = widths.bytes[i] + (widths.text[i] ? 0 : stretches[i + 1]);
  return stretches;
}

}  // namespace record_codec_detail

// The size of a record of `Fields` whose texts are all empty.
template <typename Fields>
constexpr std::size_t empty_record_bytes(const Fields&) {
  std::size_t total = 0;
  for (const std::size_t bytes : record_codec_detail::field_widths<Fields>().bytes)
    total += bytes;
  return total;
}

// Reads the fields of `fields` into `record` in file order. Before each run
// of fixed-width fields it requires the whole run, up to and including the
// next text's count, naming `item` ("cella 12"); after a count, the text
// and the run that follows it ("slot 3 (testo di 5 byte)"). Throws
// DecodeError at the first of them that the bytes left cannot hold.
template <typename Fields, typename Record>
void read_record(LittleEndianReader& reader, const Fields& fields, Record& record,
                 const std::string& item) {
  static constexpr auto stretches = record_codec_detail::fixed_stretches<Fields>();
  reader.require(stretches[0], item);
  std::size_t next = 1;  // the field after the one being read
  visit_each_field(fields, record, [&](std::string_view, auto& member) {
    if constexpr (kIsTextField<std::remove_cvref_t<decltype(member)>>) {
      const std::uint16_t length = reader.u16();
      reader.require(length + stretches[next],
                     item + " (testo di " + std::to_string(length) + " byte)");
      member = reader.bytes(length);
    } else {
      read_number(reader, member);
    }
    ++next;
  });
}

}  // namespace scenario::records

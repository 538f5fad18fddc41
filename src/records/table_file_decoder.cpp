#include "records/table_file_decoder.h"

#include "records/decode_error.h"
#include "records/little_endian_reader.h"

namespace scenario::records {
namespace {

// Bytes of a record before its text (up to the text length) and after it.
constexpr std::size_t kBeforeText = 16;
constexpr std::size_t kAfterText = 18;

TableRecord read_record(LittleEndianReader& reader, std::size_t slot) {
  const std::string item = "slot " + std::to_string(slot);
  reader.require(kBeforeText, item);
  TableRecord record;
  record.kind = reader.u8();
  record.long_a = reader.i32();
  record.long_b = reader.i32();
  record.long_c = reader.i32();
  record.byte_a = reader.u8();
  const std::uint16_t length = reader.u16();
  reader.require(length + kAfterText, item + " (testo di " + std::to_string(length) + " byte)");
  record.text = reader.bytes(length);
  record.short_a = reader.i16();
  record.short_b = reader.i16();
  record.short_c = reader.i16();
  record.short_d = reader.i16();
  record.short_e = reader.i16();
  record.byte_b = reader.u8();
  record.byte_c = reader.u8();
  record.byte_d = reader.u8();
  record.byte_e = reader.u8();
  record.long_d = reader.i32();
  return record;
}

}  // namespace

HeaderTable decode_table_file(std::string_view bytes) {
  LittleEndianReader reader(bytes);
  HeaderTable table{};
  for (std::size_t slot = 0; slot < kHeaderSlots; ++slot)
    table[slot] = read_record(reader, slot);
  if (!reader.at_end()) {
    throw DecodeError(reader.offset(), std::to_string(reader.remaining()) +
                                           " byte in più dopo gli 87 record della tabella");
  }
  return table;
}

}  // namespace scenario::records

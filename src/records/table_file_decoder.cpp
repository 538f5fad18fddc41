#include "records/table_file_decoder.h"

#include "records/decode_error.h"
#include "records/little_endian_reader.h"
#include "records/record_codec.h"

namespace scenario::records {

HeaderTable decode_table_file(std::string_view bytes) {
  LittleEndianReader reader(bytes);
  HeaderTable table{};
  for (std::size_t slot = 0; slot < kHeaderSlots; ++slot)
    read_record(reader, kTableRecordFields, table[slot], "slot " + std::to_string(slot));
  if (!reader.at_end()) {
    throw DecodeError(reader.offset(), std::to_string(reader.remaining()) +
                                           " byte in più dopo gli " + std::to_string(kHeaderSlots) +
                                           " record della tabella");
  }
  return table;
}

}  // namespace scenario::records

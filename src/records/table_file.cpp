#include "records/table_file.h"

namespace scenario::records {

void encode_table_file(const HeaderTable& table, const ByteConsumer& out) {
  LittleEndianWriter writer(out);
  for (const TableRecord& record : table) {
    writer.u8(record.kind);
    writer.i32(record.long_a);
    writer.i32(record.long_b);
    writer.i32(record.long_c);
    writer.u8(record.byte_a);
    writer.counted_text(record.text);
    writer.i16(record.short_a);
    writer.i16(record.short_b);
    writer.i16(record.short_c);
    writer.i16(record.short_d);
    writer.i16(record.short_e);
    writer.u8(record.byte_b);
    writer.u8(record.byte_c);
    writer.u8(record.byte_d);
    writer.u8(record.byte_e);
    writer.i32(record.long_d);
  }
  writer.flush();
}

}  // namespace scenario::records

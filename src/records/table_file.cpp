#include "records/table_file.h"

#include "records/record_codec.h"

namespace scenario::records {

void encode_table_file(const HeaderTable& table, const ByteConsumer& out) {
  LittleEndianWriter writer(out);
  for (const TableRecord& record : table)
    write_record(writer, record);
  writer.flush();
}

}  // namespace scenario::records

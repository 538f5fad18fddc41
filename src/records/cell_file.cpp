#include "records/cell_file.h"

#include "records/record_codec.h"

namespace scenario::records {

void encode_cell_file(const CellArray& cells, const ByteConsumer& out) {
  LittleEndianWriter writer(out);
  for (const CellRecord& cell : cells)
    write_record(writer, cell);
  writer.flush();
}

}  // namespace scenario::records

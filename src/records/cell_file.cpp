#include "records/cell_file.h"

namespace scenario::records {

void encode_cell_file(const CellArray& cells, const ByteConsumer& out) {
  LittleEndianWriter writer(out);
  for (const CellRecord& cell : cells) {
    writer.u8(cell.type);
    writer.i16(cell.value_a);
    writer.i16(cell.value_b);
    writer.i16(cell.value_c);
    writer.i16(cell.value_d);
    writer.u8(cell.tempo);
    writer.u8(cell.approach);
    writer.u8(cell.terrain);
    writer.u8(cell.speed_limit);
    writer.u8(cell.gradient);
    writer.u8(cell.adhesion);
  }
  writer.flush();
}

}  // namespace scenario::records

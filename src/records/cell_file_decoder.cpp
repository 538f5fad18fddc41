#include "records/cell_file_decoder.h"

#include "records/decode_error.h"
#include "records/little_endian_reader.h"

namespace scenario::records {
namespace {

constexpr std::size_t kCellSize = 15;

}  // namespace

CellArray decode_cell_file(std::string_view bytes) {
  if (bytes.empty())
    throw DecodeError(0, "file vuoto: un file delle celle ha almeno una cella di 15 byte");
  LittleEndianReader reader(bytes);
  CellArray cells;
  cells.reserve(bytes.size() / kCellSize + 1);
  while (!reader.at_end()) {
    reader.require(kCellSize, "cella " + std::to_string(cells.size()));
    CellRecord cell;
    cell.type = reader.u8();
    cell.value_a = reader.i16();
    cell.value_b = reader.i16();
    cell.value_c = reader.i16();
    cell.value_d = reader.i16();
    cell.tempo = reader.u8();
    cell.approach = reader.u8();
    cell.terrain = reader.u8();
    cell.speed_limit = reader.u8();
    cell.gradient = reader.u8();
    cell.adhesion = reader.u8();
    cells.push_back(cell);
  }
  return cells;
}

}  // namespace scenario::records

#include "records/cell_file_decoder.h"

#include "records/decode_error.h"
#include "records/little_endian_reader.h"
#include "records/record_codec.h"

namespace scenario::records {
namespace {

constexpr std::size_t kCellBytes = empty_record_bytes(kCellRecordFields);

}  // namespace

CellArray decode_cell_file(std::string_view bytes) {
  if (bytes.empty()) {
    throw DecodeError(0, "file vuoto: un file delle celle ha almeno una cella di " +
                             std::to_string(kCellBytes) + " byte");
  }
  LittleEndianReader reader(bytes);
  CellArray cells;
  cells.reserve(bytes.size() / kCellBytes + 1);
  while (!reader.at_end()) {
    CellRecord cell;
    read_record(reader, kCellRecordFields, cell, "cella " + std::to_string(cells.size()));
    cells.push_back(cell);
  }
  return cells;
}

}  // namespace scenario::records

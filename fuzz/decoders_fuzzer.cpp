// The decoders of the three binary files on hostile bytes. Each must refuse
// the bytes with DecodeError or accept them, never read outside the buffer;
// what it accepts must write back to exactly the same bytes, since every
// byte of these files has one meaning.

#include <cstddef>
#include <cstdint>
#include <string>

#include "fuzz/decoder_input.h"
#include "fuzz/fuzz_check.h"
#include "records/cell_file.h"
#include "records/cell_file_decoder.h"
#include "records/decode_error.h"
#include "records/line_data_file.h"
#include "records/line_data_file_decoder.h"
#include "records/little_endian_writer.h"
#include "records/table_file.h"
#include "records/table_file_decoder.h"

namespace {

using namespace scenario;
using fuzz::BinaryFileKind;
using fuzz::require;

std::string written_back(BinaryFileKind kind, std::string_view bytes) {
  switch (kind) {
    case BinaryFileKind::kScenarioTable: {
      const records::HeaderTable table = records::decode_table_file(bytes);
      return records::collect_bytes(
          [&](const records::ByteConsumer& out) { records::encode_table_file(table, out); });
    }
    case BinaryFileKind::kCell: {
      const records::CellArray cells = records::decode_cell_file(bytes);
      return records::collect_bytes(
          [&](const records::ByteConsumer& out) { records::encode_cell_file(cells, out); });
    }
    case BinaryFileKind::kLineData: {
      const records::PlanArray plan = records::decode_line_data_file(bytes);
      return records::collect_bytes(
          [&](const records::ByteConsumer& out) { records::encode_line_data_file(plan, out); });
    }
  }
  return {};
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  const fuzz::DecoderInput input =
      fuzz::parse_decoder_input({reinterpret_cast<const char*>(data), size});
  try {
    require(written_back(input.kind, input.bytes) == input.bytes,
            "an accepted file writes back to the same bytes");
  } catch (const records::DecodeError& error) {
    require(error.offset() <= input.bytes.size(), "a refusal names a byte within the file");
  }
  return 0;
}

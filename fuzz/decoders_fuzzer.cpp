// The decoders of the three binary files on hostile bytes. Each must refuse
// the bytes with DecodeError or accept them, never read outside the buffer;
// what it accepts must write back to exactly the same bytes, since every
// byte of these files has one meaning. What scenario_tool then makes of an
// accepted file runs on it too: the line data's shape check, and the view
// page, which describes every cell and slot and walks the plan.

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
#include "tools/binary_inputs.h"
#include "tools/view/view_page.h"

namespace {

using namespace scenario;
using fuzz::BinaryFileKind;
using fuzz::require;

// The view of a scenario made of the accepted file and small empty others.
void view_of(tools::CompiledScenario scenario) {
  require(!tools::view_page(scenario).empty(), "the view of an accepted file is a page");
}

std::string written_back(BinaryFileKind kind, std::string_view bytes) {
  switch (kind) {
    case BinaryFileKind::kScenarioTable: {
      const records::HeaderTable table = records::decode_table_file(bytes);
      view_of({table, records::CellArray(3), std::nullopt});
      return records::collect_bytes(
          [&](const records::ByteConsumer& out) { records::encode_table_file(table, out); });
    }
    case BinaryFileKind::kCell: {
      const records::CellArray cells = records::decode_cell_file(bytes);
      view_of({records::HeaderTable{}, cells, std::nullopt});
      return records::collect_bytes(
          [&](const records::ByteConsumer& out) { records::encode_cell_file(cells, out); });
    }
    case BinaryFileKind::kLineData: {
      const records::PlanArray plan = records::decode_line_data_file(bytes);
      records::compiled_shape_departures(plan);
      view_of({records::HeaderTable{}, records::CellArray(3), plan});
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

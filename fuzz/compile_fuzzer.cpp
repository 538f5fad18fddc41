// The whole compile on hostile texts: the compile and the finishing pass of
// memorizza_percorso on a line text and a run text split out of one input,
// with or without line data, all in memory. Whatever the texts hold, the
// compile must end in a clean compile or a recorded code of the table, and
// the records it leaves must encode into binary files that read back to
// exactly those records. The sanitizers watch every array; -timeout and
// -rss_limit_mb bound the work.

#include <cstddef>
#include <cstdint>
#include <string>

#include "compiler/error_codes.h"
#include "finish/memorizza_percorso.h"
#include "fuzz/compile_input.h"
#include "fuzz/fuzz_check.h"
#include "records/cell_file.h"
#include "records/cell_file_decoder.h"
#include "records/line_data_file.h"
#include "records/line_data_file_decoder.h"
#include "records/little_endian_writer.h"
#include "records/table_file.h"
#include "records/table_file_decoder.h"

namespace {

using namespace scenario;
using fuzz::require;

// Codes with which the compiler may stop before the line length, leaving
// no track: those of the line text's "[generale]" section (the signal
// repetition may stand before the length) and the trap.
bool may_leave_no_track(const compiler::ErrorCode& code) {
  return code.stage == compiler::Stage::kLineGeneral || code == compiler::kErrorUnexpectedFailure;
}

void check_encoded_records(const records::ScenarioRecords& records) {
  const std::string cell_bytes = records::collect_bytes(
      [&](const records::ByteConsumer& out) { records::encode_cell_file(records.cells, out); });
  require(records::decode_cell_file(cell_bytes) == records.cells,
          "the cell file reads back to the cell array");
  const std::string table_bytes = records::collect_bytes(
      [&](const records::ByteConsumer& out) { records::encode_table_file(records.header, out); });
  require(records::decode_table_file(table_bytes) == records.header,
          "the scenario table file reads back to the header table");
  require(records.plan.has_value() == (records.write_line_data != 0),
          "a plan array exactly with line data");
  // A plan of a million metres decodes slowly under the sanitizers: only
  // short ones are read back here; the decoder fuzzer holds decoding and
  // encoding to each other for the rest.
  if (records.plan && records.plan->last_metre() <= 20000) {
    const std::string plan_bytes = records::collect_bytes([&](const records::ByteConsumer& out) {
      records::encode_line_data_file(*records.plan, out);
    });
    require(records::decode_line_data_file(plan_bytes) == *records.plan,
            "the line data file reads back to the plan array");
  }
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  const fuzz::CompileInput input =
      fuzz::parse_compile_input({reinterpret_cast<const char*>(data), size});
  const compiler::DescriptionTexts texts = fuzz::description_texts(input);

  records::ScenarioRecords records;
  const finish::Outcome outcome = fuzz::compile_as_installer(texts, input.write_line_data, records);

  const std::int32_t number = records.state.error_code;
  const compiler::ErrorCode* code = compiler::find_error_code(number);
  require(number == 0 || code != nullptr,
          "a clean compile or a code of the table, not " + std::to_string(number));
  switch (outcome) {
    case finish::Outcome::kStampConflict:
      require(code != nullptr && code->stage == compiler::Stage::kFormatStamps,
              "a stamp conflict records its code");
      break;
    case finish::Outcome::kNoTrack:
      require(records.cells.empty(), "no track");
      require(code != nullptr && may_leave_no_track(*code),
              "no track only after a stop before the line length");
      break;
    case finish::Outcome::kComplete:
      check_encoded_records(records);
      break;
  }
  return 0;
}

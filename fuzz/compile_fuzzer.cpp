// The whole compile on hostile texts: memorizza_percorso on a line text and a
// run text split out of one input, with or without line data, in a scratch
// folder. Whatever the texts hold, the compile must end in a clean compile
// or a recorded code, leave neither text nor any temporary file behind, and
// write binary files that hold exactly the records it compiled. The
// sanitizers watch every array; -timeout and -rss_limit_mb bound the work.

#include <cstddef>
#include <cstdint>
#include <filesystem>
#include <set>
#include <string>
#include <string_view>

#include "app/file_names.h"
#include "app/form1.h"
#include "finish/error_catalogue.h"
#include "finish/memorizza_percorso.h"
#include "fuzz/compile_input.h"
#include "fuzz/fuzz_check.h"
#include "platform/files.h"
#include "platform/scratch_folder.h"
#include "records/cell_file_decoder.h"
#include "records/line_data_file.h"
#include "records/little_endian_writer.h"
#include "records/table_file_decoder.h"

namespace {

using namespace scenario;
using fuzz::require;

// The folder for the files one input writes, in memory (/dev/shm) where the
// system has it, so that a million runs do not wear a disk.
const platform::ScratchFolder& scratch() {
  static const platform::ScratchFolder folder("scenario-fuzz-", [] {
    std::error_code error;
    return std::filesystem::is_directory("/dev/shm", error) ? std::filesystem::path("/dev/shm")
                                                            : std::filesystem::path();
  }());
  return folder;
}

std::string name_of(const std::string& path) {
  return path.substr(path.find_last_of("/\\") + 1);
}

// Codes with which the compiler may stop before the line length, leaving
// no track: the refusals of "[generale]" (the signal repetition may stand
// before the length) and the trap.
bool stops_before_track(std::int32_t code) {
  switch (code) {
    case 1:
    case 3:
    case 4:
    case 5:
    case 102:
    case 201:
    case 202:
    case 25:
      return true;
    default:
      return false;
  }
}

void check_written_files(const records::ScenarioRecords& records,
                         const finish::BinaryFiles& files) {
  require(records::decode_cell_file(platform::read_file(files.cell_file)) == records.cells,
          "the cell file reads back to the cell array");
  require(records::decode_table_file(platform::read_file(files.scenario_table)) == records.header,
          "the scenario table file reads back to the header table");
  if (records.write_line_data != 0) {
    require(records.plan.has_value(), "a plan array with line data");
    // Compared byte for byte with the plan's encoding rather than decoded:
    // the decoder fuzzer holds decoding and encoding to each other, and a
    // plan of a million metres decodes slowly under the sanitizers.
    const std::string plan_bytes = records::collect_bytes([&](const records::ByteConsumer& out) {
      records::encode_line_data_file(*records.plan, out);
    });
    require(platform::read_file(files.line_data) == plan_bytes,
            "the line data file holds the encoded plan array");
  } else {
    require(!platform::file_exists(files.line_data), "no line data file without line data");
  }
}

void check_outcome(const records::ScenarioRecords& records,
                   const std::optional<std::string>& stamp_conflict,
                   const app::ScenarioFileNames& names, const finish::BinaryFiles& files) {
  require(!platform::file_exists(names.line_text), "the line text is gone");
  require(!platform::file_exists(names.run_text), "the run text is gone");
  const std::set<std::string> allowed = {name_of(files.line_data), name_of(files.scenario_table),
                                         name_of(files.cell_file)};
  for (const std::string& entry : scratch().entries())
    require(allowed.count(entry) == 1, "only binary files are left, not " + entry);

  const std::int32_t code = records.state.error_code;
  const bool wrote_nothing = scratch().entries().empty();
  if (stamp_conflict) {
    require(*stamp_conflict == "1250" || *stamp_conflict == "1251", "a stamp conflict code");
    require(wrote_nothing, "no binary file after a stamp conflict");
    return;
  }
  require(code == 0 || finish::error_meaning(code).has_value(),
          "a clean compile or a code of the catalogue, not " + std::to_string(code));
  if (records.cells.empty()) {
    require(stops_before_track(code), "no track only after a stop before the line length");
    require(wrote_nothing, "no binary file without a track");
    return;
  }
  check_written_files(records, files);
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  const fuzz::CompileInput input =
      fuzz::parse_compile_input({reinterpret_cast<const char*>(data), size});
  const app::ScenarioFileNames names =
      app::scenario_file_names(scratch().path().string(), app::kLineId, app::kTrainNumber);
  const finish::BinaryFiles files{names.line_data, names.scenario_table, names.cell_file};

  scratch().clear();
  platform::replace_file(names.line_text, [&](platform::OutputFile& out) {
    out.write(std::string_view(input.line_text));
  });
  if (!input.run_text_missing) {
    platform::replace_file(names.run_text, [&](platform::OutputFile& out) {
      out.write(std::string_view(input.run_text));
    });
  }

  records::ScenarioRecords records;
  records.line_id = app::kLineId;
  records.train_number = app::kTrainNumber;
  std::int32_t j = input.write_line_data;
  const std::optional<std::string> stamp_conflict =
      finish::memorizza_percorso(records, {names.line_text, names.run_text}, files, j);
  check_outcome(records, stamp_conflict, names, files);
  return 0;
}
